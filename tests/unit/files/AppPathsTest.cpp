#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "files/AppPaths.h"
#include "files/PathText.h"

namespace tilora {
namespace {

TEST(AppPaths, FoldersAndFilesLieBelowTheBaseDirectory) {
    const std::wstring sep(1, kPathSeparator);
    const AppPaths paths = AppPaths::Build(L"base" + sep);
    EXPECT_EQ(paths.baseDir, L"base");
    EXPECT_EQ(
        paths.Folders(),
        (std::vector<std::wstring>{
            L"base" + sep + L"_Exports" + sep, L"base" + sep + L"_Help" + sep,
            L"base" + sep + L"_License" + sep, L"base" + sep + L"_Settings" + sep,
            L"base" + sep + L"_AppStartScripts" + sep, L"base" + sep + L"_Arrangements" + sep}));
    EXPECT_EQ(paths.helpPdfPath, paths.helpDir + L"Help.pdf");
    EXPECT_EQ(paths.hilfePdfPath, paths.helpDir + L"Hilfe.pdf");
    EXPECT_EQ(paths.settingsFilePath, paths.settingsDir + L"Settings.txt");
}

TEST(AppPaths, MissingFoldersAreCreatedAndExistingEntriesLeftAlone) {
    testing::ScopedWorkingFolder folder;
    // A long folder name with a non-ASCII letter, as under a user folder like "Jürgen".
    const std::wstring base =
        FromPath(folder.path()) + kPathSeparator + L"Benutzer \u00f6 " + std::wstring(120, L'x');
    std::filesystem::create_directories(ToPath(base));
    const AppPaths paths = AppPaths::Build(base);
    const std::filesystem::path helpAsFile =
        ToPath(paths.helpDir.substr(0, paths.helpDir.size() - 1));
    std::ofstream(helpAsFile) << "a file where a folder belongs";

    CreateMissingFolders(paths.Folders());

    for (const std::wstring& created : {paths.exportsDir, paths.licenseDir, paths.settingsDir,
                                        paths.appStartScriptsDir, paths.arrangementsDir}) {
        EXPECT_TRUE(std::filesystem::is_directory(ToPath(created)));
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(helpAsFile));
}

}  // namespace
}  // namespace tilora
