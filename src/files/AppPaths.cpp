#include "files/AppPaths.h"

#include <filesystem>
#include <system_error>

#include "files/PathText.h"

namespace tilora {
namespace {

std::wstring SubFolder(const std::wstring& baseDir, const wchar_t* name) {
    return baseDir + kPathSeparator + name + kPathSeparator;
}

}  // namespace

AppPaths AppPaths::Build(std::wstring base) {
    while (base.size() > 1 && base.back() == kPathSeparator) base.pop_back();
    AppPaths paths;
    paths.baseDir = base;
    paths.exportsDir = SubFolder(base, L"_Exports");
    paths.helpDir = SubFolder(base, L"_Help");
    paths.licenseDir = SubFolder(base, L"_License");
    paths.settingsDir = SubFolder(base, L"_Settings");
    paths.appStartScriptsDir = SubFolder(base, L"_AppStartScripts");
    paths.arrangementsDir = SubFolder(base, L"_Arrangements");
    paths.helpPdfPath = paths.helpDir + L"Help.pdf";
    paths.hilfePdfPath = paths.helpDir + L"Hilfe.pdf";
    paths.settingsFilePath = paths.settingsDir + L"Settings.txt";
    return paths;
}

std::vector<std::wstring> AppPaths::Folders() const {
    return {exportsDir, helpDir, licenseDir, settingsDir, appStartScriptsDir, arrangementsDir};
}

std::wstring CurrentDirectory() {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::wstring() : FromPath(current);
}

void CreateMissingFolders(const std::vector<std::wstring>& folders) {
    for (const std::wstring& folder : folders) {
        std::error_code error;
        const std::filesystem::path path = ToPath(folder);
        if (std::filesystem::exists(path, error)) continue;
        std::filesystem::create_directory(path, error);
    }
}

}  // namespace tilora
