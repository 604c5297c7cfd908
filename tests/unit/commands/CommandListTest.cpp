#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>

#include "StartedDialogTest.h"
#include "commands/CommandList.h"
#include "files/PathText.h"
#include "files/TextFile.h"

namespace tilora {
namespace {

using LogLines = std::vector<std::wstring>;
const std::wstring kSeparator(500, L'-');

class CommandListTest : public testing::StartedDialogTest {
  protected:
    void SetUp() override {
        Start();
        fake.clock.SetLocalTime({2024, 3, 7, 9, 5, 3});
    }
    // Chooses the entry of the command box, as the user does, and returns the log's new lines.
    LogLines Choose(int entry) {
        const std::size_t before = Lines().size();
        ChooseCommandEntry(entry);
        const auto all = Lines();
        return LogLines(all.begin() + static_cast<std::ptrdiff_t>(before), all.end());
    }
    LogLines Command(int command) { return Choose(CommandEntry(command)); }
    // The lines a command wrote after its echo block.
    LogLines AfterEcho(int command) {
        LogLines lines = Command(command);
        const auto echo = std::find(lines.begin(), lines.end(), Echo(CommandEntry(command)));
        if (echo == lines.end() || echo + 1 == lines.end()) {
            ADD_FAILURE() << "no echo block for command " << command;
            return lines;
        }
        lines.erase(lines.begin(), echo + 2);  // the echo and the separator after it
        return lines;
    }
    std::wstring Echo(int entry) const {
        return context.catalogue.Current(TextFamily::CommandTexts, entry) +
               context.Text(Msg::SelectedFromCommandBox);
    }
    void Touch(const std::wstring& path) { std::ofstream(ToPath(path)) << "x"; }
    bool Exists(const std::wstring& path) const { return std::filesystem::exists(ToPath(path)); }
    // Makes the window the last active one, as the timer sees the user activate it.
    void Activate(WindowHandle window) {
        fake.windows.SetForeground(window);
        dialog.OnTimer();
        fake.controls.ListClear(IDC_LB_INFO);
    }
};

TEST_F(CommandListTest, TheFourStepsOfTheDispatcher) {
    EXPECT_TRUE(Choose(38).empty());  // the empty last entry
    EXPECT_EQ(fake.controls.ComboSelection(IDC_CB_COMMAND), 0);

    EXPECT_EQ(Choose(10), LogLines{context.Text(Msg::SeparatorSelected)});
    EXPECT_EQ(Choose(0), (LogLines{kSeparator, Echo(0), kSeparator}));  // a header: echo only
    // The log ends in a separator, so the next echo needs no leading one.
    EXPECT_EQ(Choose(11), (LogLines{Echo(11), kSeparator}));
    EXPECT_EQ(Command(10), (LogLines{Echo(13), kSeparator}));
    const LogLines monitors = Command(1);
    EXPECT_EQ(monitors.front(), Echo(1));
    EXPECT_EQ(Command(12).front(), kSeparator);  // command 1 wrote lines of its own
}

TEST_F(CommandListTest, OnlyAnEntryAcceptedInTheOpenListOrEnterOnTheBoxRunsIt) {
    // What the box tells for each gesture, as measured under Wine; Windows may send
    // CBN_SELCHANGE before CBN_CLOSEUP.
    using enum ComboNotification;
    struct Gesture {
        const char* name;
        std::vector<ComboNotification> notifications;
        bool runs;
    };
    const Gesture gestures[] = {
        {"arrow key, Page Up/Down or wheel on the closed box",
         {SelectionEndOk, SelectionChanged},
         false},
        {"focus leaves the closed box", {SelectionEndCancel}, false},
        {"click on an entry of the open list",
         {DroppedDown, SelectionEndOk, ClosedUp, SelectionChanged},
         true},
        {"click, told in the other order",
         {DroppedDown, SelectionChanged, SelectionEndOk, ClosedUp},
         true},
        {"arrows and Enter in the open list",
         {DroppedDown, SelectionChanged, SelectionChanged, SelectionEndOk, ClosedUp},
         true},
        {"arrows and Escape in the open list",
         {DroppedDown, SelectionChanged, SelectionEndCancel, ClosedUp},
         false},
        {"click elsewhere, or on the arrow, with the list open",
         {DroppedDown, SelectionEndCancel, ClosedUp, SelectionEndCancel},
         false},
        {"a closed-box step after the list closed unchosen",
         {DroppedDown, SelectionEndCancel, ClosedUp, SelectionEndOk, SelectionChanged},
         false},
    };
    const std::wstring saved = context.paths.exportsDir + L"SaveAuto_1.txt";
    for (const Gesture& gesture : gestures) {
        Touch(saved);
        fake.controls.ListClear(IDC_LB_INFO);
        fake.controls.ComboSelect(IDC_CB_COMMAND, CommandEntry(25));
        for (const ComboNotification notification : gesture.notifications)
            dialog.OnCommandBox(notification);
        EXPECT_EQ(Lines().empty(), !gesture.runs) << gesture.name;
        EXPECT_EQ(Exists(saved), !gesture.runs) << gesture.name;
    }

    // Enter on the closed box reaches the dialog as its OK command.
    for (const bool onTheBox : {false, true}) {
        Touch(saved);
        fake.controls.UserFocuses(onTheBox ? IDC_CB_COMMAND : IDC_ED_USERINPUT);
        dialog.OnOk();
        EXPECT_EQ(Exists(saved), !onTheBox);
    }
}

TEST_F(CommandListTest, EveryCommandIsFoundByItsTextInEitherLanguage) {
    for (const bool german : {false, true}) {
        if (german) dialog.OnButtonClicked(IDC_BN_LANGUAGE);
        fake.controls.ListClear(IDC_LB_INFO);
        const LogLines lines = Command(1);
        ASSERT_GE(lines.size(), 4u);
        EXPECT_EQ(lines[1], german ? L"1. Zeige die Monitorauflösung(en) wurde über die "
                                     L"Befehle-Combobox ausgewählt."
                                   : L"1. Show the monitor resolution(s) was selected from the "
                                     L"command combobox.");
        EXPECT_EQ(lines[3], german ? L"Virtuelle Desktop Breite: 1920, Virtuelle Desktop Höhe: 1080"
                                   : L"Virtual Desktop Width: 1920, Virtual Desktop Height: 1080");
    }
}

TEST_F(CommandListTest, EachCommandRunsFromItsEntryInBothLanguages) {
    // What each command writes first after its echo on a desk without a last active window,
    // and whether it asks the shell to open something.
    struct Row {
        int command;
        std::optional<Msg> firstLine;
        bool opens;
    };
    const Row rows[] = {
        {1, Msg::VirtualDesktop, false},  {2, Msg::WindowName, false},
        {3, Msg::NoHandleYet, false},     {4, Msg::NoHandleYet, false},
        {5, Msg::NoHandleYet, false},     {6, Msg::NoHandleYet, false},
        {7, Msg::NoHandleYet, false},     {8, Msg::NoHandleYet, false},
        {9, Msg::NoWindowMoved, false},   {10, std::nullopt, true},
        {11, std::nullopt, true},         {12, std::nullopt, true},
        {13, std::nullopt, true},         {14, std::nullopt, true},
        {15, std::nullopt, true},         {16, std::nullopt, true},
        {17, std::nullopt, false},        {18, std::nullopt, false},
        {19, std::nullopt, true},         {20, Msg::FileNotFound, false},
        {21, Msg::FileNotFound, false},   {22, std::nullopt, true},
        {23, Msg::NoHandleYet, false},    {24, std::nullopt, true},
        {25, Msg::NoFilesToClear, false}, {26, Msg::NoFilesToClear, false},
        {27, Msg::NoHandleYet, false},    {28, std::nullopt, false},
    };
    fake.controls.ComboReset(IDC_CB_SCRIPT);
    fake.controls.ComboReset(IDC_CB_ARRANGEMENT);
    for (const bool german : {false, true}) {
        if (german) dialog.OnButtonClicked(IDC_BN_LANGUAGE);
        for (const Row& row : rows) {
            const std::size_t calls = fake.shell.calls().size();
            const LogLines lines = AfterEcho(row.command);
            if (row.firstLine) {
                ASSERT_FALSE(lines.empty()) << row.command << " German " << german;
                EXPECT_EQ(lines[0].rfind(context.Text(*row.firstLine), 0), 0u)
                    << row.command << " German " << german << ": " << lines[0];
            } else {
                EXPECT_EQ(lines, LogLines{}) << row.command << " German " << german;
            }
            EXPECT_EQ(fake.shell.calls().size(), calls + (row.opens ? 1 : 0))
                << row.command << " German " << german;
        }
    }
}

TEST_F(CommandListTest, TheOpeningCommandsOpenTheirFolderOrFile) {
    const AppPaths& paths = context.paths;
    const std::pair<int, std::wstring> cases[] = {
        {10, paths.baseDir},         {11, paths.appStartScriptsDir},
        {12, paths.arrangementsDir}, {13, paths.exportsDir},
        {14, paths.helpDir},         {15, paths.licenseDir},
        {16, paths.settingsDir},     {19, paths.settingsFilePath},
    };
    for (const auto& [command, path] : cases) {
        EXPECT_EQ(AfterEcho(command), LogLines{}) << command;
        EXPECT_EQ(fake.shell.calls().back().file, path) << command;
        EXPECT_EQ(fake.shell.calls().back().showCommand, 1);
    }
    fake.controls.ComboAdd(IDC_CB_SCRIPT, L"morning.csv");
    fake.controls.ComboSelect(IDC_CB_SCRIPT, 0);
    AfterEcho(20);
    EXPECT_EQ(fake.shell.calls().back().file, paths.appStartScriptsDir + L"morning.csv");
    fake.controls.ComboReset(IDC_CB_ARRANGEMENT);
    const std::size_t calls = fake.shell.calls().size();
    EXPECT_EQ(AfterEcho(21),
              LogLines{L" ! The selected file was not found. The file name was: empty"});
    EXPECT_EQ(fake.shell.calls().size(), calls);
}

TEST_F(CommandListTest, CommandsOnTheLastActiveWindowNeedOneThatIsStillOpen) {
    const std::wstring noHandle =
        L" ! No handle received yet. Please klick the desired window and repeat the command.";
    for (int command : {3, 6, 7, 8, 23})
        EXPECT_EQ(AfterEcho(command), LogLines{noHandle}) << command;

    const WindowHandle editor = fake.windows.AddWindow(L"Editor", {100, 50, 900, 650});
    dialog.OnTimer();  // the first tick keeps the start snapshot, with the editor in it
    Activate(editor);
    const LogLines shown = AfterEcho(3);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind(L"Window name: Editor; Dimension: 800 x 600;", 0), 0u);

    fake.windows.SetWindowPos(editor, kHwndTop, 300, 300, 10, 10, 0);
    EXPECT_EQ(AfterEcho(6),
              LogLines{L"The last active window has been restored to its initial size."});
    EXPECT_EQ(fake.windows.NormalRect(editor), (Rect{100, 50, 900, 650}));

    fake.windows.CloseWindow(editor);
    const std::size_t moves = fake.windows.setWindowPosCalls().size();
    for (int command : {3, 6, 23}) {
        EXPECT_EQ(AfterEcho(command), LogLines{L" ! The last active window is no longer open. "
                                               L"Please click the desired window and repeat the "
                                               L"command."})
            << command;
    }
    EXPECT_EQ(fake.windows.setWindowPosCalls().size(), moves);
}

TEST_F(CommandListTest, CommandSixJudgesByThePlacementNotByTheForeground) {
    const WindowHandle editor = fake.windows.AddWindow(L"Editor", {100, 50, 900, 650});
    dialog.OnTimer();
    Activate(editor);
    fake.windows.window(editor).refusesForeground = true;
    fake.windows.SetWindowPos(editor, kHwndTop, 300, 300, 10, 10, 0);
    EXPECT_EQ(AfterEcho(6),
              LogLines{L"The last active window has been restored to its initial size."});
    EXPECT_EQ(fake.windows.NormalRect(editor), (Rect{100, 50, 900, 650}));
}

TEST_F(CommandListTest, AWindowOpenedAfterStartHasNoStartRectangle) {
    dialog.OnTimer();
    const WindowHandle late = fake.windows.AddWindow(L"Late", {0, 0, 10, 10});
    Activate(late);
    EXPECT_EQ(AfterEcho(6), LogLines{L" ! The last active window was not found in the window "
                                     L"arrangement at start and could therefore not be restored."});
}

TEST_F(CommandListTest, ExportsWriteTheirFileAndOpenIt) {
    const WindowHandle editor = fake.windows.AddWindow(L"Editor", {100, 50, 900, 650});
    Activate(editor);
    const std::wstring stamp = L"2024-03-07_09.05.03.txt";
    const std::pair<int, std::wstring> cases[] = {
        {22, L"AllWindowsProperties_"}, {23, L"LastWindowProperties_"}, {24, L"ListboxContent_"}};
    for (const auto& [command, prefix] : cases) {
        EXPECT_EQ(AfterEcho(command), LogLines{}) << command;
        const std::wstring path = context.paths.exportsDir + prefix + stamp;
        EXPECT_EQ(fake.shell.calls().back().file, path);
        std::vector<std::wstring> written;
        ASSERT_GT(ReadTextLines(path, written), 0) << command;
        if (command == 23) {
            EXPECT_EQ(written.size(), 1u);
        }
        if (command == 24) {
            EXPECT_EQ(written.back(), kSeparator);
            EXPECT_EQ(written[written.size() - 2], Echo(CommandEntry(24)));
        }
    }
    std::vector<std::wstring> all;
    ReadTextLines(context.paths.exportsDir + L"AllWindowsProperties_" + stamp, all);
    EXPECT_EQ(all.size(), 2u);  // the dialog and the editor
}

TEST_F(CommandListTest, DeletingGeneratedFilesMovesThemToTheRecycleBin) {
    const std::wstring exports = context.paths.exportsDir;
    for (const wchar_t* name : {L"SaveAuto_2024-01-01_10.00.00.txt", L"Copy of SaveAuto_x.txt",
                                L"saveauto_x.txt", L"SaveAuto_notes.csv", L"SaveAuto_open.txt"}) {
        Touch(exports + name);
    }
    fake.shell.RefusesToRecycle(exports + L"SaveAuto_open.txt", 32);
    LogLines lines = AfterEcho(25);
    std::sort(lines.begin() + 2, lines.end());
    EXPECT_EQ(lines,
              (LogLines{L" ! The following file could not be moved to the Recycle Bin and "
                        L"stays where it is: " +
                            exports +
                            L"SaveAuto_open.txt. The following Windows error (decimal "
                            L"value) has occurred: 32",
                        L"The following files in the _Exports folder were deleted: ",
                        L"   Copy of SaveAuto_x.txt", L"   SaveAuto_2024-01-01_10.00.00.txt"}));
    EXPECT_EQ(fake.shell.recycled().size(), 2u);
    for (const wchar_t* kept : {L"saveauto_x.txt", L"SaveAuto_notes.csv", L"SaveAuto_open.txt"})
        EXPECT_TRUE(Exists(exports + kept)) << kept;
    std::filesystem::remove(ToPath(exports + L"SaveAuto_open.txt"));
    EXPECT_EQ(AfterEcho(25), LogLines{L"No files to be cleared were found."});

    // The arrangement box no longer offers what went to the Recycle Bin.
    const std::wstring arrangements = context.paths.arrangementsDir;
    Touch(arrangements + L"SaveAs_1.txt");
    Touch(arrangements + L"Work.txt");
    AfterEcho(18);
    EXPECT_EQ(AfterEcho(26),
              (LogLines{L"The following files in the _Arrangements folder were deleted: ",
                        L"   SaveAs_1.txt"}));
    EXPECT_EQ(fake.shell.recycled().back(), arrangements + L"SaveAs_1.txt");
    EXPECT_EQ(fake.controls.ComboItems(IDC_CB_ARRANGEMENT), LogLines{L"Work.txt"});
}

TEST_F(CommandListTest, WithStopCheckedCommandsRunButWriteNoLine) {
    const WindowHandle lost = fake.windows.AddWindow(L"Lost", {-700, 100, -100, 500});
    Touch(context.paths.exportsDir + L"SaveAuto_1.txt");
    fake.controls.UserSetsCheck(IDC_CK_STOP, true);
    dialog.OnButtonClicked(IDC_CK_STOP);
    for (const int command : {9, 25}) EXPECT_EQ(Command(command), LogLines{}) << command;
    EXPECT_EQ(fake.windows.NormalRect(lost), (Rect{0, 0, 600, 400}));
    EXPECT_EQ(fake.shell.recycled().size(), 1u);
}

TEST_F(CommandListTest, TheSizeCommandsWorkWithoutAButtonLine) {
    const WindowHandle editor = fake.windows.AddWindow(L"Editor", {100, 50, 900, 650});
    const WindowHandle other = fake.windows.AddWindow(L"Other", {10, 10, 110, 110});
    Activate(editor);
    const LogLines copied = AfterEcho(4);
    ASSERT_EQ(copied.size(), 1u);
    EXPECT_EQ(copied[0].rfind(L"The following window size was copied: 800 x 600", 0), 0u);

    AfterEcho(5);
    EXPECT_EQ(fake.windows.NormalRect(other), (Rect{10, 10, 810, 610}));

    fake.controls.UserTypes(IDC_ED_USERINPUT, L"300x400");
    EXPECT_EQ(AfterEcho(27), LogLines{});
    EXPECT_EQ(fake.windows.NormalRect(editor), (Rect{0, 0, 300, 400}));
    fake.controls.UserTypes(IDC_ED_USERINPUT, L"300 x 400");
    EXPECT_EQ(AfterEcho(27), LogLines{L" ! Faulty user input detected. The following invalid "
                                      L"characters were identified:   "});
}

TEST_F(CommandListTest, CommandTwentyEightReturnsTheDialogToItsStandardSize) {
    fake.windows.SetWindowPos(own, kHwndTop, 500, 400, 900, 900, 0);
    EXPECT_EQ(AfterEcho(28), LogLines{});
    EXPECT_EQ(fake.windows.NormalRect(own), (Rect{0, 0, 459, 450}));
}

}  // namespace
}  // namespace tilora
