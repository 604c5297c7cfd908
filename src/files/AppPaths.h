#pragma once

#include <string>
#include <vector>

namespace tilora {

// The separator of the paths the program builds and shows.
#ifdef _WIN32
inline constexpr wchar_t kPathSeparator = L'\\';
#else
inline constexpr wchar_t kPathSeparator = L'/';
#endif

// The program's folder layout below the directory it was started from.
struct AppPaths {
    std::wstring baseDir;  // without a trailing separator
    std::wstring exportsDir;
    std::wstring helpDir;
    std::wstring licenseDir;
    std::wstring settingsDir;
    std::wstring appStartScriptsDir;
    std::wstring arrangementsDir;
    std::wstring helpPdfPath;
    std::wstring hilfePdfPath;
    std::wstring settingsFilePath;

    static AppPaths Build(std::wstring baseDir);
    // The six folders, in the order they are created.
    std::vector<std::wstring> Folders() const;
};

// The current directory, without a trailing separator.
std::wstring CurrentDirectory();

// Creates each folder that does not exist yet (as a file or folder); failures are left to the
// file operations that later use the folder.
void CreateMissingFolders(const std::vector<std::wstring>& folders);

}  // namespace tilora
