// Saving arrangements, the file lists and the settings file through the real Tilora.exe.
#include <fstream>
#include <iterator>
#include <map>

#include "TiloraTest.h"
#include "platform/ControlIds.h"

namespace tilora::e2e {
namespace {

std::string FileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<std::wstring> ComboItems(const TiloraProcess& tilora, int comboId) {
    std::vector<std::wstring> items;
    for (int i = 0; i < tilora.ComboCount(comboId); ++i)
        items.push_back(tilora.ComboItem(comboId, i));
    std::sort(items.begin(), items.end());
    return items;
}

using Saving = TiloraTest;

TEST_F(Saving, SaveAsWritesTheArrangementUnderTheTypedName) {
    tilora.SetText(IDC_ED_USERINPUT, L"Layout1");
    tilora.Click(IDC_BN_SAVEAS);
    const std::filesystem::path file = folder.path() / L"_Arrangements" / L"Layout1.txt";
    ASSERT_TRUE(std::filesystem::is_regular_file(file));
    const std::string bytes = FileBytes(file);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(0, 2), std::string("\xFF\xFE", 2));
    // The dialog's own line, in UTF-16: its title between "winName: " and "; procPath: ".
    const std::wstring expected = L"; winName: Tilora v1.09 (b); procPath: ";
    std::string expectedBytes;
    for (wchar_t c : expected) {
        expectedBytes += static_cast<char>(c & 0xFF);
        expectedBytes += static_cast<char>((c >> 8) & 0xFF);
    }
    EXPECT_NE(bytes.find(expectedBytes), std::string::npos);
    EXPECT_EQ(ComboItems(tilora, IDC_CB_ARRANGEMENT), std::vector<std::wstring>{L"Layout1.txt"});
    EXPECT_EQ(tilora.ComboSelection(IDC_CB_ARRANGEMENT), 0);
    EXPECT_EQ(tilora.LogLines().back(), L"The button 'SaveAs' was pressed.");
}

TEST_F(Saving, SaveAsWritesNothingOutsideTheArrangementFolder) {
    const std::filesystem::path outside = folder.path().parent_path() / L"x.txt";
    const bool outsideExisted = std::filesystem::exists(outside);
    for (const wchar_t* input : {L"..\\x", L"..\\..\\x", L"../x"}) {
        tilora.SetText(IDC_ED_USERINPUT, input);
        tilora.Click(IDC_BN_SAVEAS);
        EXPECT_EQ(tilora.LogLines().back(),
                  L" ! Nothing was saved: a name for SaveAs may not contain a folder, a drive, "
                  L"\"..\" or any of the characters \\ / : * ? \" < > |, nor be a name Windows "
                  L"keeps for a device (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9). The name "
                  L"was: " +
                      std::wstring(input));
    }
    EXPECT_FALSE(std::filesystem::exists(folder.path() / L"x.txt"));
    if (!outsideExisted) {
        EXPECT_FALSE(std::filesystem::exists(outside));
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.path() / L"_Arrangements"));
}

TEST_F(Saving, SaveSdWritesASessionDefaultFile) {
    tilora.Click(IDC_BN_SAVESD);
    const auto items = ComboItems(tilora, IDC_CB_ARRANGEMENT);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].rfind(L"SessionDefault_", 0), 0u);
    EXPECT_TRUE(std::filesystem::is_regular_file(folder.path() / L"_Arrangements" / items[0]));
}

TEST(FileLists, TheBoxesListTheArrangementAndScriptFilesFoundAtStart) {
    ScratchFolder folder(L"Tilora lists");
    std::filesystem::create_directories(folder.path() / L"_Arrangements" / L"c.txt");
    std::filesystem::create_directories(folder.path() / L"_AppStartScripts");
    for (const wchar_t* name :
         {L"_Arrangements/b.txt", L"_Arrangements/LAYOUT.TXT", L"_Arrangements/script.csv",
          L"_AppStartScripts/start.csv", L"_AppStartScripts/notes.txt"}) {
        std::ofstream(folder.path() / name) << "x";
    }
    TiloraProcess tilora(folder.path());
    ASSERT_NE(tilora.dialog(), nullptr);
    EXPECT_EQ(ComboItems(tilora, IDC_CB_ARRANGEMENT),
              (std::vector<std::wstring>{L"LAYOUT.TXT", L"b.txt"}));
    EXPECT_EQ(ComboItems(tilora, IDC_CB_SCRIPT), std::vector<std::wstring>{L"start.csv"});
    EXPECT_EQ(tilora.ComboSelection(IDC_CB_ARRANGEMENT), 0);
    EXPECT_EQ(tilora.ComboSelection(IDC_CB_SCRIPT), 0);
}

TEST(FileLists, TemporaryFilesLeftByAnInterruptedSaveAreDeletedAtStart) {
    ScratchFolder folder(L"Tilora left over");
    std::filesystem::create_directories(folder.path() / L"_Arrangements" / L"folder.txt.~tmp");
    std::filesystem::create_directories(folder.path() / L"_Settings");
    for (const wchar_t* name : {L"_Arrangements/Layout.txt.~tmp", L"_Settings/Settings.txt.~tmp",
                                L"_Arrangements/notes.~tmpx", L"_Arrangements/b.txt"}) {
        std::ofstream(folder.path() / name) << std::string(65536, 'x');
    }
    TiloraProcess tilora(folder.path());
    ASSERT_NE(tilora.dialog(), nullptr);
    const std::wstring deleted =
        L"A temporary file left behind by an interrupted save was deleted: ";
    std::vector<std::wstring> named;
    for (const std::wstring& line : tilora.LogLines()) {
        if (line.starts_with(deleted)) named.push_back(line.substr(deleted.size()));
    }
    ASSERT_EQ(named.size(), 2u);
    EXPECT_TRUE(named[0].ends_with(L"\\_Settings\\Settings.txt.~tmp")) << named[0];
    EXPECT_TRUE(named[1].ends_with(L"\\_Arrangements\\Layout.txt.~tmp")) << named[1];
    EXPECT_FALSE(std::filesystem::exists(folder.path() / L"_Settings" / L"Settings.txt.~tmp"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / L"_Arrangements" / L"Layout.txt.~tmp"));
    EXPECT_TRUE(
        std::filesystem::is_directory(folder.path() / L"_Arrangements" / L"folder.txt.~tmp"));
    EXPECT_TRUE(std::filesystem::exists(folder.path() / L"_Arrangements" / L"notes.~tmpx"));
    EXPECT_EQ(ComboItems(tilora, IDC_CB_ARRANGEMENT), std::vector<std::wstring>{L"b.txt"});
}

TEST(Settings, LanguageTopMinAndPositionSurviveARestart) {
    ScratchFolder folder(L"Tilora settings");
    {
        TiloraProcess first(folder.path());
        ASSERT_NE(first.dialog(), nullptr);
        const auto startLines = first.LogLines();
        ASSERT_FALSE(startLines.empty());
        EXPECT_EQ(startLines[0],
                  L"The attempt to open the settings file was not successful.The following Windows "
                  L"error (decimal value) has occurred : 2");
        first.Click(IDC_BN_LANGUAGE);
        first.Click(IDC_CK_MIN);
        ::SetWindowPos(first.dialog(), nullptr, 120, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        first.PressEscape();
        ASSERT_TRUE(first.WaitForExit());
    }
    const std::string settings = FileBytes(folder.path() / L"_Settings" / L"Settings.txt");
    EXPECT_EQ(
        settings,
        "Language = German\r\nStartPosition = 120,45\r\nTopmost = False\r\nMinimize = True\r\n"
        "ExcludeMax = \r\n");

    TiloraProcess second(folder.path());
    ASSERT_NE(second.dialog(), nullptr);
    EXPECT_EQ(second.Text(IDC_BN_APPLY), L"Anwenden");
    EXPECT_TRUE(second.IsChecked(IDC_CK_MIN));
    EXPECT_FALSE(second.IsChecked(IDC_CK_TOP));
    RECT rect{};
    ::GetWindowRect(second.dialog(), &rect);
    EXPECT_EQ(rect.left, 120);
    EXPECT_EQ(rect.top, 45);
    const auto lines = second.LogLines();
    EXPECT_EQ(std::vector<std::wstring>(lines.begin(), lines.begin() + 5),
              (std::vector<std::wstring>{L"Lese die Einstellungen-Datei:", L"Language = German",
                                         L"StartPosition = 120,45", L"Topmost = False",
                                         L"Minimize = True"}));
}

TEST(Settings, TheSessionEndWritesTheSettings) {
    ScratchFolder folder(L"Tilora session end");
    TiloraProcess tilora(folder.path());
    ASSERT_NE(tilora.dialog(), nullptr);
    tilora.Click(IDC_CK_TOP);
    ::SetWindowPos(tilora.dialog(), nullptr, 130, 55, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    // What Windows sends at logoff and shutdown; the dialog gets no cancel command then.
    DWORD_PTR result = 0;
    ASSERT_NE(::SendMessageTimeoutW(tilora.dialog(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF,
                                    SMTO_NORMAL, 5000, &result),
              0);
    EXPECT_EQ(FileBytes(folder.path() / L"_Settings" / L"Settings.txt"),
              "Language = English\r\nStartPosition = 130,55\r\nTopmost = True\r\n"
              "Minimize = False\r\nExcludeMax = \r\n");
}

TEST(Settings, ASettingsFileWithCrLineEndsIsReadAndWrittenBackWhole) {
    ScratchFolder folder(L"Tilora CR settings");
    const std::filesystem::path settings = folder.path() / L"_Settings" / L"Settings.txt";
    std::filesystem::create_directories(settings.parent_path());
    std::ofstream(settings, std::ios::binary)
        << "Language = German\rStartPosition = 140,60\rTopmost = False\rMinimize = True\r"
           "ExcludeMax = a.exe;b.exe\r";
    {
        TiloraProcess tilora(folder.path());
        ASSERT_NE(tilora.dialog(), nullptr);
        EXPECT_EQ(tilora.Text(IDC_BN_APPLY), L"Anwenden");
        EXPECT_TRUE(tilora.IsChecked(IDC_CK_MIN));
        tilora.PressEscape();
        ASSERT_TRUE(tilora.WaitForExit());
    }
    EXPECT_EQ(FileBytes(settings),
              "Language = German\r\nStartPosition = 140,60\r\nTopmost = False\r\n"
              "Minimize = True\r\nExcludeMax = a.exe;b.exe\r\n");
    EXPECT_FALSE(std::filesystem::exists(settings.parent_path() / L"Settings.txt.bak"));
}

TEST(Settings, AnUnreadableSettingsFileSurvivesAsBak) {
    ScratchFolder folder(L"Tilora unreadable settings");
    const std::filesystem::path settings = folder.path() / L"_Settings" / L"Settings.txt";
    std::filesystem::create_directories(settings.parent_path());
    // UTF-16 big-endian, which the program does not read.
    const std::string unreadable("\xFE\xFF\0L\0a\0n\0g\0u\0a\0g\0e", 18);
    std::ofstream(settings, std::ios::binary) << unreadable;
    {
        TiloraProcess tilora(folder.path());
        ASSERT_NE(tilora.dialog(), nullptr);
        const auto lines = tilora.LogLines();
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[0],
                  L"The attempt to open the settings file was not successful.The following Windows "
                  L"error (decimal value) has occurred : 13");
        EXPECT_EQ(lines[1].rfind(L" ! The settings file could not be read", 0), 0u) << lines[1];
        EXPECT_TRUE(lines[1].ends_with(L"\\_Settings\\Settings.txt.bak")) << lines[1];
        tilora.PressEscape();
        ASSERT_TRUE(tilora.WaitForExit());
    }
    EXPECT_EQ(FileBytes(settings.parent_path() / L"Settings.txt.bak"), unreadable);
    EXPECT_EQ(FileBytes(settings).rfind("Language = English\r\n", 0), 0u);
}

// Every file and folder below the folder, with the files' bytes.
std::map<std::wstring, std::string> Contents(const std::filesystem::path& folder) {
    std::map<std::wstring, std::string> contents;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        contents[entry.path().wstring()] = entry.is_directory() ? "" : FileBytes(entry.path());
    }
    return contents;
}

TEST(SecondStart, ShowsTheDialogOfItsFolderNotAnotherFoldersAndWritesNothing) {
    ScratchFolder folder(L"Tilora einmal \u00f6");
    ScratchFolder elsewhere(L"Tilora elsewhere");
    TiloraProcess first(folder.path());
    TiloraProcess other(elsewhere.path());  // the same caption, from another folder
    ASSERT_NE(first.dialog(), nullptr);
    ASSERT_NE(other.dialog(), nullptr);
    ASSERT_TRUE(first.WaitForStartUpReport());
    ::PostMessageW(first.dialog(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitFor([&] { return ::IsIconic(first.dialog()) != FALSE; }));
    const auto before = Contents(folder.path());

    // The same folder, spelled in capitals as Windows lets a user type it.
    std::wstring spelled = folder.path().wstring();
    ::CharUpperBuffW(spelled.data(), static_cast<DWORD>(spelled.size()));
    TiloraProcess second(spelled, ProgramFolder() / L"Tilora.exe", TiloraProcess::Await::Nothing);
    EXPECT_TRUE(second.WaitForExit(std::chrono::seconds(20)));
    EXPECT_TRUE(WaitFor(
        [&] { return !::IsIconic(first.dialog()) && ::GetForegroundWindow() == first.dialog(); }));
    EXPECT_EQ(Contents(folder.path()), before);
    EXPECT_TRUE(first.running() && other.running());
}

}  // namespace
}  // namespace tilora::e2e
