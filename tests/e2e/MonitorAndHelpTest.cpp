// Show MonRes and Open Help through the real Tilora.exe.
#include "PdfHandler.h"
#include "TiloraTest.h"
#include "platform/ControlIds.h"

namespace tilora::e2e {
namespace {

using MonitorAndHelp = TiloraTest;

TEST_F(MonitorAndHelp, ShowMonResWritesThePressLineDirectlyFollowedByTheReport) {
    tilora.Click(IDC_BN_SHOWMONRES);
    EXPECT_EQ(
        WaitForNewLogLines(5),
        (std::vector<std::wstring>{L"The button 'Show MonRes' was pressed.",
                                   L"Virtual Desktop Width: 1920, Virtual Desktop Height: 1080",
                                   L"Number of identified Monitors: 1", L"Monitor Properties: ",
                                   L"Monitor 1 - Width: 1920, Height: 1080"}));
}

TEST_F(MonitorAndHelp, ShowMonResReportsInGermanAfterEngGer) {
    tilora.Click(IDC_BN_LANGUAGE);
    tilora.Click(IDC_BN_SHOWMONRES);
    const auto lines = WaitForNewLogLines(6);
    EXPECT_EQ(std::vector<std::wstring>(lines.begin() + 1, lines.end()),
              (std::vector<std::wstring>{
                  L"Der Button 'Zeige MonAuf' wurde gedrückt.",
                  L"Virtuelle Desktop Breite: 1920, Virtuelle Desktop Höhe: 1080",
                  L"Anzahl identifizierter Monitore: 1", L"Monitor Eigenschaften: ",
                  L"Monitor 1 - Breite: 1920, Höhe: 1080"}));
}

TEST_F(MonitorAndHelp, OpenHelpWithAnEmptyHelpFolderReportsTheWindowsError) {
    tilora.PostClick(IDC_BN_OPENHELP);
    const auto lines = WaitForNewLogLines(2);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], L"The button 'Open Help' was pressed.");
    const std::wstring prefix =
        L"The command was not successful. The following windows error (decimal value) has "
        L"occurred: ";
    ASSERT_EQ(lines[1].rfind(prefix, 0), 0u);
    const std::wstring code = lines[1].substr(prefix.size());
    EXPECT_FALSE(code.empty());
    EXPECT_EQ(code.find_first_not_of(L"0123456789"), std::wstring::npos);
    EXPECT_NE(code, L"0");
}

TEST_F(MonitorAndHelp, OpenHelpOpensTheManualOfTheLanguageInEffect) {
    // The manuals the build made, where the release zip puts them beside Tilora.exe.
    const std::filesystem::path built = ProgramFolder() / L"_Help";
    if (!std::filesystem::exists(built / L"Help.pdf")) {
        GTEST_SKIP() << "the build made no manuals (WeasyPrint missing)";
    }
    const std::filesystem::path help = folder.path() / L"_Help";
    std::filesystem::copy_file(built / L"Help.pdf", help / L"Help.pdf");
    std::filesystem::copy_file(built / L"Hilfe.pdf", help / L"Hilfe.pdf");
    PdfHandler viewer(folder.path() / L"opened.txt");
    ASSERT_TRUE(viewer.registered());

    tilora.PostClick(IDC_BN_OPENHELP);
    EXPECT_EQ(viewer.WaitForOpenedDocument(), (help / L"Help.pdf").wstring());
    // A sent message is handled after the click: no error line means the shell reported success.
    EXPECT_EQ(NewLogLines(), std::vector<std::wstring>{L"The button 'Open Help' was pressed."});

    tilora.Click(IDC_BN_LANGUAGE);
    tilora.PostClick(IDC_BN_OPENHELP);
    EXPECT_EQ(viewer.WaitForOpenedDocument(), (help / L"Hilfe.pdf").wstring());
    const auto lines = NewLogLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), L"Der Button 'Öffne Hilfe' wurde gedrückt.");
}

}  // namespace
}  // namespace tilora::e2e
