// A window of a program that runs with higher rights refuses every change with code 5: every
// command and button that acts on windows says so once and writes no success line for it.
#include <functional>
#include <gtest/gtest.h>

#include "StartedDialogTest.h"
#include "files/TextFile.h"

namespace tilora {
namespace {

class RefusedWindowTest : public testing::StartedDialogTest {
  protected:
    WindowHandle admin = kNoWindow;
    WindowHandle editor = kNoWindow;

    void SetUp() override {
        Start();
        fake.windows.AddProcess(2000, {L"regedit.exe", L"C:\\Windows\\regedit.exe"});
        // Bottom-most, so that the bulk operations have the notes left to do after it; partly
        // off the screen, so that command 9 moves it.
        admin = fake.windows.AddWindow(L"Admin", {-50, 0, 750, 600}, 2000);
        fake.windows.window(admin).refusesWithCode = 5;
        editor = fake.windows.AddWindow(L"Editor", {100, 50, 900, 650}, 2000);
        fake.windows.AddWindow(L"Notes", {-20, 40, 580, 440}, 2000);
        dialog.OnTimer();  // the start snapshot and the restore point
        context.session.sizeCopied = true;
        context.session.copiedRect = {0, 0, 300, 200};
        fake.controls.UserTypes(IDC_ED_USERINPUT, L"Desk");
        dialog.OnButtonClicked(IDC_BN_SAVEAS);
        dialog.OnButtonClicked(IDC_BN_SAVESD);
        WriteTextFile(context.paths.appStartScriptsDir + L"Desk.csv", L"# the desk\n;;Desk.txt;\n");
        Command(17);  // lists the script
    }
    void Command(int command) { ChooseCommandEntry(CommandEntry(command)); }
};

struct RefusalRow {
    const char* name;
    std::function<void()> run;
    // The last active window: the refusing one, or (for the paste to all others) the editor.
    bool adminActive;
    // Acts on every window: the notes, above the refusing one, are changed all the same.
    bool bulk;
};

TEST_F(RefusedWindowTest, EveryCommandAndButtonReportsTheRefusalOnceInsteadOfSuccess) {
    const auto click = [this](int id) { return [this, id] { dialog.OnButtonClicked(id); }; };
    const auto command = [this](int n) { return [this, n] { Command(n); }; };
    const RefusalRow rows[] = {
        {"5 paste to all", command(5), false, true},
        {"6 start rectangle", command(6), true, false},
        {"7 topmost", command(7), true, false},
        {"8 no topmost", command(8), true, false},
        {"9 into view", command(9), true, true},
        {"27 typed size", command(27), true, false},
        {"Paste Size", click(IDC_BN_PASTESIZE), true, false},
        {"Minimize All", click(IDC_BN_MINIMIZEALL), true, true},
        {"Maximize All", click(IDC_BN_MAXIMIZEALL), true, true},
        {"Tile All", click(IDC_BN_TILEALL), true, true},
        {"Apply", click(IDC_BN_APPLY), true, true},
        {"Apply SD", click(IDC_BN_APPLYSD), true, true},
        {"Start Arrang.", click(IDC_BN_STARTARRANG), true, true},
        {"Execute", click(IDC_BN_EXECUTE), true, true},
    };
    const std::wstring refused =
        L" ! Window name: Admin [width x height: 800 x 600;  Process path: "
        L"C:\\Windows\\regedit.exe] refused the change and stays as it was. Windows error code "
        L"(decimal value, 0: none given): 5. The window belongs to a program that runs with "
        L"higher rights than Tilora (for example as administrator); Tilora can arrange it only "
        L"when it runs with the same rights.";
    for (const RefusalRow& row : rows) {
        SCOPED_TRACE(row.name);
        context.model.SetLastActiveWindow(row.adminActive ? admin : editor);
        fake.controls.UserTypes(IDC_ED_USERINPUT, L"640x480");
        fake.controls.ListClear(IDC_LB_INFO);
        fake.journal.Clear();
        row.run();
        int named = 0;
        for (const std::wstring& line : Lines()) {
            if (line.find(L"Admin") == std::wstring::npos) continue;
            ++named;
            EXPECT_EQ(line, refused);
        }
        EXPECT_EQ(named, 1);
        EXPECT_EQ(fake.windows.NormalRect(admin), (Rect{-50, 0, 750, 600}));
        EXPECT_EQ(fake.journal.Contains("SetWindowPlacement Notes"), row.bulk);
    }
}

}  // namespace
}  // namespace tilora
