#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>

#include "LineEndFiles.h"
#include "StartedDialogTest.h"
#include "commands/CommandList.h"
#include "commands/ScriptCommands.h"
#include "files/PathText.h"
#include "files/ScriptFormat.h"
#include "files/TextFile.h"

namespace tilora {
namespace {

TEST(FieldAt, GivesTheUntrimmedFieldBeforeTheNthSemicolon) {
    struct Case {
        const wchar_t* text;
        int n;
        const wchar_t* field;
    };
    const Case cases[] = {
        {L"a;b;c;", 1, L"a"},   {L"a;b;c;", 3, L"c"},
        {L"a;b;c", 3, L""},  // c lacks its ";"
        {L"a; b ;", 2, L" b "}, {L";;Work.txt;", 3, L"Work.txt"},
        {L"a;", 0, L""},        {L"", 1, L""},
    };
    for (const Case& c : cases) EXPECT_EQ(FieldAt(c.text, c.n), c.field) << c.text << " " << c.n;
}

TEST(StartProgram, ChoosesWhatToStartFromTheEntry) {
    testing::FakeShell shell;
    shell.AddPath(L"C:\\Tools\\editor.exe");
    shell.AddPath(L"C:\\Docs\\plan.xlsx");
    EXPECT_EQ(StartProgram(shell, {L"C:\\Docs\\plan.txt", L"C:\\Tools\\editor.exe"}, 1), 0);
    EXPECT_EQ(StartProgram(shell, {L"C:\\Docs\\plan.xlsx", L""}, 1), 0);
    EXPECT_EQ(StartProgram(shell, {L"", L"C:\\Tools\\editor.exe"}, 1), 0);
    EXPECT_EQ(StartProgram(shell, {L"plan.txt", L"C:\\Tools\\editor.exe"}, 1), -1);  // no folder
    EXPECT_EQ(StartProgram(shell, {L"", L"C:\\missing.exe"}, 1), 2);
    ASSERT_EQ(shell.calls().size(), 4u);
    EXPECT_EQ(shell.calls()[0].file, L"C:\\Tools\\editor.exe");
    EXPECT_EQ(shell.calls()[0].parameters, L"\"plan.txt\"");
    EXPECT_EQ(shell.calls()[0].directory, L"C:\\Docs\\");
    EXPECT_EQ(shell.calls()[1].file, L"C:\\Docs\\plan.xlsx");
    EXPECT_EQ(shell.calls()[1].parameters, L"");
    EXPECT_EQ(shell.calls()[2].directory, L"");
}

TEST(StartProgram, AFailureIsNeverReportedAsSuccess) {
    struct Case {
        ShellExecuteResult shell;
        int expected;
    };
    const Case cases[] = {
        {{2, 2}, 2},                      // the last error when there is one
        {{31, 193}, 193}, {{31, 0}, 31},  // SE_ERR_NOASSOC, no last error
        {{5, 0}, 5},                      // SE_ERR_ACCESSDENIED
        {{0, 0}, 8},                      // out of memory
    };
    for (const Case& c : cases) {
        testing::FakeShell shell;
        shell.Fails(L"C:\\x.pdf", c.shell);
        EXPECT_EQ(StartProgram(shell, {L"C:\\x.pdf", L""}, 1), c.expected)
            << c.shell.instance << "/" << c.shell.lastError;
    }
}

class ExecuteTest : public testing::StartedDialogTest {
  protected:
    void SetUp() override {
        fake.shell.AddPath(L"C:\\Tools\\editor.exe");
        Start();
        dialog.OnTimer();  // the first tick's report
        fake.controls.ListClear(IDC_LB_INFO);
    }
    void Script(const std::wstring& name, const std::wstring& text) {
        ASSERT_EQ(WriteTextFile(context.paths.appStartScriptsDir + name, text), 0);
        fake.controls.ComboReset(IDC_CB_SCRIPT);
        fake.controls.ComboAdd(IDC_CB_SCRIPT, name);
        fake.controls.ComboSelect(IDC_CB_SCRIPT, 0);
    }
    void ArrangementFile(const std::wstring& name, const std::wstring& text) {
        ASSERT_EQ(WriteTextFile(context.paths.arrangementsDir + name, text), 0);
    }
    void Tick(std::uint64_t ms) {
        fake.clock.Advance(ms);
        dialog.OnTimer();
    }
};

TEST_F(ExecuteTest, EntriesAreReadFromEveryLineThatIsNoCommentAndLineTwoNamesTheArrangement) {
    Script(L"a.csv",
           L"File;Program;Arrangement;\n# a comment;;Work.txt;\n\n;;skipped;\nC:\\Docs\\plan.txt; "
           L"C:\\Tools\\editor.exe;\n"
           L"C:\\Docs\\plan.xlsx;\n");
    ArrangementCommands arrangements(context);
    ScriptCommands scripts(context, arrangements);
    const std::optional<AppStartScript> a = scripts.ReadAppStartScript(L"a.csv");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->entries,
              (std::vector<StartEntry>{{L"File", L"Program"},
                                       {L"C:\\Docs\\plan.txt", L" C:\\Tools\\editor.exe"},
                                       {L"C:\\Docs\\plan.xlsx", L""}}));
    EXPECT_EQ(a->arrangement, L"Work.txt");

    Script(L"b.csv", L"C:\\B\\b.txt;C:\\Tools\\editor.exe;\n");
    const std::optional<AppStartScript> b = scripts.ReadAppStartScript(L"b.csv");
    ASSERT_TRUE(b);
    EXPECT_EQ(b->entries, (std::vector<StartEntry>{{L"C:\\B\\b.txt", L"C:\\Tools\\editor.exe"}}));
}

TEST_F(ExecuteTest, EveryLineEndAndAMarkBeforeALineGiveTheLinesAnEditorShows) {
    const std::vector<std::string> lines = {"C:\\A\\a.txt;", "C:\\B\\b.txt;;Work.txt;", "# note",
                                            "C:\\C\\c.txt;"};
    ArrangementCommands arrangements(context);
    ScriptCommands scripts(context, arrangements);
    for (const testing::LineEndFile& c : testing::LineEndFiles()) {
        std::ofstream(ToPath(context.paths.appStartScriptsDir + L"a.csv"), std::ios::binary)
            << testing::FileBytes(c, lines);
        const std::optional<AppStartScript> script = scripts.ReadAppStartScript(L"a.csv");
        ASSERT_TRUE(script) << c.what;
        EXPECT_EQ(script->entries,
                  (std::vector<StartEntry>{
                      {L"C:\\A\\a.txt", L""}, {L"C:\\B\\b.txt", L""}, {L"C:\\C\\c.txt", L""}}))
            << c.what;
        EXPECT_EQ(script->arrangement, L"Work.txt") << c.what;
    }
}

TEST_F(ExecuteTest, EntriesThatCannotStartAreReportedAndTheOthersStillStart) {
    Script(L"a.csv",
           L"File;Program;Arrangement;\n;C:\\missing.exe;\nplan.txt;C:\\Tools\\editor.exe;\n"
           L";C:\\Tools\\editor.exe;\n");
    dialog.OnButtonClicked(IDC_BN_EXECUTE);
    // The heading on line 1 is not reported; the same refusal on line 3 is.
    EXPECT_EQ(
        Lines(),
        (std::vector<std::wstring>{
            L"The button 'Execute' was pressed.",
            L" ! The following entry of the app start script could not be started: "
            L";C:\\missing.exe;. The following Windows error (decimal value) has occurred: 2",
            L" ! The following entry of the app start script could not be started: "
            L"plan.txt;C:\\Tools\\editor.exe;. It names a program, but its file has no folder."}));
    EXPECT_EQ(fake.shell.calls().back().file, L"C:\\Tools\\editor.exe");
}

TEST_F(ExecuteTest, ALongScriptStartsOverTheTicksInFileOrderAndThenItsArrangementApplies) {
    constexpr int kEntries = 40;
    std::wstring script;
    std::vector<std::wstring> documents;
    for (int i = 0; i < kEntries; ++i) {
        documents.push_back(L"C:\\Docs\\" + std::to_wstring(i) + L".txt");
        script += documents.back() + (i == 1 ? L";;Work.txt;\n" : L";\n");
    }
    Script(L"long.csv", script);
    ArrangementFile(L"Work.txt", L"ltrb: 1/2/3/4; winName: Mail;\n");
    const WindowHandle mail = fake.windows.AddWindow(L"Mail", {0, 0, 100, 100});
    fake.shell.TakesTime(fake.clock, 20);

    dialog.OnButtonClicked(IDC_BN_EXECUTE);
    const std::size_t firstSlice = fake.shell.calls().size();
    EXPECT_GT(firstSlice, 0u);
    EXPECT_LE(firstSlice * 20, ScriptCommands::kStartSliceMs + 20);
    EXPECT_EQ(fake.windows.NormalRect(mail), (Rect{0, 0, 100, 100}));  // waits for the starts
    for (int tick = 0; tick < 20 && fake.shell.calls().size() < kEntries; ++tick) Tick(500);

    std::vector<std::wstring> started;
    for (const auto& call : fake.shell.calls()) started.push_back(call.file);
    EXPECT_EQ(started, documents);
    std::vector<std::wstring> reported;
    const std::wstring& notStarted = context.Text(Msg::ScriptEntryNotStarted);
    for (const std::wstring& line : Lines()) {
        if (line.starts_with(notStarted)) {
            reported.push_back(line.substr(notStarted.size(), line.find(L';') - notStarted.size()));
        }
    }
    EXPECT_EQ(reported, documents);
    EXPECT_EQ(fake.windows.NormalRect(mail), (Rect{1, 2, 3, 4}));
}

TEST_F(ExecuteTest, OnlyARefusalOnLineOneCountsAsAHeading) {
    struct Case {
        const wchar_t* script;
        std::size_t reported;
    };
    const Case cases[] = {
        {L"File;Program;Arrangement;\n", 0},
        {L";C:\\missing.exe;\n", 1},         // line 1, but a real failure
        {L"# heading\nFile;Program;\n", 1},  // a refusal on line 2
        {L"\nFile;Program;\n", 1},
    };
    for (const Case& c : cases) {
        Script(L"a.csv", c.script);
        fake.controls.ListClear(IDC_LB_INFO);
        dialog.OnButtonClicked(IDC_BN_EXECUTE);
        EXPECT_EQ(Lines().size(), 1 + c.reported) << c.script;
    }
}

TEST_F(ExecuteTest, MissingScriptsAndArrangementsAreReported) {
    fake.controls.ComboReset(IDC_CB_SCRIPT);
    dialog.OnButtonClicked(IDC_BN_EXECUTE);
    EXPECT_EQ(Lines().back(), L" ! The selected file was not found. The file name was: empty");

    fake.controls.ComboAdd(IDC_CB_SCRIPT, L"gone.csv");
    fake.controls.ComboSelect(IDC_CB_SCRIPT, 0);
    dialog.OnButtonClicked(IDC_BN_EXECUTE);
    EXPECT_EQ(Lines().back(), L" ! The selected file was not found. The file name was: " +
                                  context.paths.appStartScriptsDir + L"gone.csv");

    Script(L"a.csv", L";C:\\Tools\\editor.exe;\n;;Work;\n");  // no ".txt" is added
    dialog.OnButtonClicked(IDC_BN_EXECUTE);
    EXPECT_EQ(Lines().back(), L" ! The selected file was not found. The file name was: " +
                                  context.paths.arrangementsDir + L"Work");
    EXPECT_FALSE(context.session.arrangementPending());
}

TEST_F(ExecuteTest, TheArrangementWaitsForTheStartedWindowsWithoutBlocking) {
    ArrangementFile(L"Work.txt", L"ltrb: 10/20/410/320; winName: plan.txt - Editor;\n");
    Script(L"a.csv", L"C:\\Docs\\plan.txt;C:\\Tools\\editor.exe;\n;;Work.txt;\n");
    dialog.OnButtonClicked(IDC_BN_EXECUTE);
    EXPECT_TRUE(context.session.arrangementPending());

    Tick(500);
    dialog.OnButtonClicked(IDC_BN_LANGUAGE);  // the dialog still answers
    Tick(500);
    const WindowHandle editor = fake.windows.AddWindow(L"plan.txt - Editor", {0, 0, 100, 100});
    EXPECT_TRUE(context.session.arrangementPending());
    Tick(500);
    EXPECT_FALSE(context.session.arrangementPending());
    EXPECT_EQ(fake.windows.NormalRect(editor), (Rect{10, 20, 410, 320}));
    for (const std::wstring& line : Lines())
        EXPECT_EQ(line.find(L" ! "), std::wstring::npos) << line;
}

TEST_F(ExecuteTest, TwoLinesOfOneTitleWaitForTwoWindows) {
    ArrangementFile(L"Work.txt",
                    L"ltrb: 1/1/2/2; winName: Untitled - Notepad; procPath: x;\n"
                    L"ltrb: 3/3/4/4; winName: Untitled - Notepad; procPath: x;\n");
    Script(L"a.csv", L";C:\\Tools\\editor.exe;\n;;Work.txt;\n");
    const WindowHandle first = fake.windows.AddWindow(L"Untitled - Notepad", {0, 0, 100, 100});
    dialog.OnButtonClicked(IDC_BN_EXECUTE);
    Tick(500);
    EXPECT_TRUE(context.session.arrangementPending());
    const WindowHandle second = fake.windows.AddWindow(L"Untitled - Notepad", {0, 0, 100, 100});
    Tick(500);
    EXPECT_FALSE(context.session.arrangementPending());
    EXPECT_EQ(fake.windows.NormalRect(first), (Rect{1, 1, 2, 2}));
    EXPECT_EQ(fake.windows.NormalRect(second), (Rect{3, 3, 4, 4}));
}

TEST_F(ExecuteTest, AWindowThatNeverOpensIsReportedAfterTenSeconds) {
    const WindowHandle mail = fake.windows.AddWindow(L"Mail", {0, 0, 100, 100});
    ArrangementFile(L"Work.txt",
                    L"ltrb: 1/2/3/4; winName: Mail;\nltrb: 5/5/9/9; winName: Never;\n");
    Script(L"a.csv", L";C:\\Tools\\editor.exe;\n;;Work.txt;\n");
    dialog.OnButtonClicked(IDC_BN_EXECUTE);
    Tick(9999);
    EXPECT_TRUE(context.session.arrangementPending());
    EXPECT_EQ(fake.windows.NormalRect(mail), (Rect{0, 0, 100, 100}));
    Tick(2);
    EXPECT_FALSE(context.session.arrangementPending());
    EXPECT_EQ(fake.windows.NormalRect(mail), (Rect{1, 2, 3, 4}));
    EXPECT_EQ(Lines().back(),
              L" ! The following, file saved window was not found among the currently "
              L"opened windows, thus being minimized: ltrb: 5/5/9/9; winName: Never;");
}

TEST_F(ExecuteTest, ApplyEndsAWaitThatIsStillRunning) {
    ArrangementFile(L"Work.txt", L"ltrb: 5/5/9/9; winName: Never;\n");
    Script(L"a.csv", L";C:\\Tools\\editor.exe;\n;;Work.txt;\n");
    dialog.OnButtonClicked(IDC_BN_EXECUTE);
    ASSERT_TRUE(context.session.arrangementPending());
    dialog.OnButtonClicked(IDC_BN_APPLYSD);
    EXPECT_FALSE(context.session.arrangementPending());
}

// An Execute whose arrangement waits for a window that never opens.
class PendingArrangementTest : public ExecuteTest {
  protected:
    WindowHandle mail = kNoWindow;
    std::wstring cancelled;

    void SetUp() override {
        ExecuteTest::SetUp();
        mail = fake.windows.AddWindow(L"Mail", {0, 0, 100, 100});
        ArrangementFile(L"Work.txt",
                        L"ltrb: 1/2/3/4; winName: Mail;\nltrb: 5/5/9/9; winName: Never;\n");
        cancelled =
            L"The arrangement that Execute was waiting for will not be applied, because a later "
            L"action came first: " +
            context.paths.arrangementsDir + L"Work.txt";
    }
    void Execute() {
        // The language button fills the script box again from the folder listed at start-up.
        Script(L"a.csv", L";C:\\Tools\\editor.exe;\n;;Work.txt;\n");
        dialog.OnButtonClicked(IDC_BN_EXECUTE);
        ASSERT_TRUE(context.session.arrangementPending());
        fake.controls.ListClear(IDC_LB_INFO);
    }
};

TEST_F(PendingArrangementTest, TileAllAfterExecuteWins) {
    Execute();
    dialog.OnButtonClicked(IDC_BN_TILEALL);
    const Rect tiled = fake.windows.NormalRect(mail);
    ASSERT_NE(tiled, (Rect{0, 0, 100, 100}));
    EXPECT_EQ(Lines(),
              (std::vector<std::wstring>{L"The button 'Tile All' was pressed.", cancelled}));
    Tick(10001);
    EXPECT_FALSE(context.session.arrangementPending());
    EXPECT_EQ(fake.windows.NormalRect(mail), tiled);
    EXPECT_EQ(Lines().size(), 2u);
}

TEST_F(PendingArrangementTest, EveryButtonThatMovesShowsOrSavesWindowsCancelsTheWait) {
    struct Case {
        int controlId;
        bool cancels;
    };
    const Case cases[] = {
        {IDC_BN_APPLY, true},     {IDC_BN_APPLYSD, true},     {IDC_BN_STARTARRANG, true},
        {IDC_BN_EXECUTE, true},   {IDC_BN_MINIMIZEALL, true}, {IDC_BN_MAXIMIZEALL, true},
        {IDC_BN_TILEALL, true},   {IDC_BN_SAVEAS, true},      {IDC_BN_SAVESD, true},
        {IDC_BN_OPENHELP, false}, {IDC_BN_SHOWMONRES, false}, {IDC_CK_STOP, false},
        {IDC_CK_CLEAR, false},    {IDC_BN_LANGUAGE, false},  // last: the lines are German from here
                                                             // on
    };
    for (const Case& c : cases) {
        context.session.CancelPendingArrangement();
        Execute();
        dialog.OnButtonClicked(c.controlId);
        const auto lines = Lines();
        const auto cancelLines = std::count(lines.begin(), lines.end(), cancelled);
        EXPECT_EQ(cancelLines, c.cancels ? 1 : 0) << c.controlId;
        if (c.cancels) {
            ASSERT_GE(lines.size(), 2u);
            EXPECT_EQ(lines[1], cancelled) << c.controlId;  // right after the press line
        }
        // Execute starts a wait of its own after dropping the old one.
        EXPECT_EQ(context.session.arrangementPending(), !c.cancels || c.controlId == IDC_BN_EXECUTE)
            << c.controlId;
    }
}

TEST_F(PendingArrangementTest, CommandsThatActOnWindowsCancelTheWait) {
    struct Case {
        int command;
        bool cancels;
    };
    // Monitors and folders leave the windows alone; into view and the standard size move them.
    const Case cases[] = {{1, false}, {9, true}, {12, false}, {28, true}};
    for (const Case& c : cases) {
        context.session.CancelPendingArrangement();
        Execute();
        ChooseCommandEntry(CommandEntry(c.command));
        const auto lines = Lines();
        EXPECT_EQ(std::count(lines.begin(), lines.end(), cancelled), c.cancels ? 1 : 0)
            << c.command;
        EXPECT_EQ(context.session.arrangementPending(), !c.cancels) << c.command;
    }
}

TEST_F(ExecuteTest, ArrangementsAlreadyOpenAreAppliedAtOnce) {
    const WindowHandle mail = fake.windows.AddWindow(L"Mail", {0, 0, 100, 100});
    ArrangementFile(L"Work.txt", L"ltrb: 1/2/3/4; winName: Mail;\n");
    Script(L"a.csv", L"File;Program;Arrangement;\nC:\\x.txt;;Work.txt;\n");
    fake.shell.AddPath(L"C:\\x.txt");
    dialog.OnButtonClicked(IDC_BN_EXECUTE);
    EXPECT_FALSE(context.session.arrangementPending());
    EXPECT_EQ(fake.windows.NormalRect(mail), (Rect{1, 2, 3, 4}));
}

}  // namespace
}  // namespace tilora
