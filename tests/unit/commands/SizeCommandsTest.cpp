#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

#include "StartedDialogTest.h"
#include "commands/SizeCommands.h"

namespace tilora {
namespace {

constexpr wchar_t kNoHandleLine[] =
    L" ! No handle received yet. Please klick the desired window and repeat the command.";
constexpr wchar_t kGoneLine[] =
    L" ! The last active window is no longer open. Please click the desired window and repeat the "
    L"command.";
constexpr wchar_t kConfirmationText[] =
    L"Attention, no window size has been copied to the clipboard within this Windows cycle or the "
    L"copy event was a long time ago. The initialization value 100x100 will be applied. Continue "
    L"anyway?";

class SizeTest : public testing::StartedDialogTest {
  protected:
    // The command list's entries call the handler directly; the buttons go through the dialog.
    SizeCommands commands{context};
    WindowHandle editor = kNoWindow;

    void SetUp() override {
        Start();
        fake.windows.AddProcess(2000, {L"notepad.exe", L"C:\\windows\\notepad.exe"});
        editor = fake.windows.AddWindow(L"Editor", {100, 50, 900, 650}, 2000);
        context.model.SetLastActiveWindow(editor);
    }
    void Click(int controlId) { dialog.OnButtonClicked(controlId); }
    // Timer ticks every half second until the clock has reached at least ms later.
    void TicksFor(std::uint64_t ms) {
        for (std::uint64_t passed = 0; passed < ms; passed += 500) {
            fake.clock.Advance(500);
            dialog.OnTimer();
        }
    }
    bool AnyWindowCall() const {
        for (const std::string& call : fake.journal.calls()) {
            for (const char* name :
                 {"SetWindowPlacement", "ShowWindow", "SetWindowPos", "SetForegroundWindow"}) {
                if (call.rfind(name, 0) == 0) return true;
            }
        }
        return false;
    }
    void ClearRecords() {
        fake.controls.ListClear(IDC_LB_INFO);
        fake.journal.Clear();
    }
};

TEST_F(SizeTest, CopySizeTakesTheOuterRectangleAndOnlyTheButtonWritesItsLine) {
    fake.windows.window(editor).rect = {100, 50, 900, 650};
    fake.windows.window(editor).placement.normalPosition = {0, 0, 10, 10};
    Click(IDC_BN_COPYSIZE);
    commands.CopySize();
    const std::wstring copied = L"The following window size was copied: 800 x 600 pixel.";
    EXPECT_EQ(Lines(),
              (std::vector<std::wstring>{L"The button 'Copy Size' was pressed.", copied, copied}));
    EXPECT_TRUE(context.session.sizeCopied);
    EXPECT_EQ(context.session.sizeCopiedDue, fake.clock.TickCount() + 10000);
}

TEST_F(SizeTest, CopySizeOfAMinimisedOrMaximisedWindowTakesItsNormalSize) {
    for (unsigned show : {kSwShowMinimized, kSwShowMaximized}) {
        fake.windows.ShowWindow(editor, show);
        commands.CopySize();
        EXPECT_EQ(context.session.copiedRect.Width(), 800) << show;
        EXPECT_EQ(context.session.copiedRect.Height(), 600) << show;
    }
}

TEST_F(SizeTest, WithoutALastActiveWindowNothingIsCopiedPastedOrAsked) {
    context.model.SetLastActiveWindow(kNoWindow);
    ClearRecords();
    Click(IDC_BN_COPYSIZE);
    Click(IDC_BN_PASTESIZE);
    commands.PasteSizeToAll();
    commands.ApplyUserSize();
    EXPECT_EQ(Lines(),
              (std::vector<std::wstring>{L"The button 'Copy Size' was pressed.", kNoHandleLine,
                                         L"The button 'Paste Size' was pressed.", kNoHandleLine,
                                         kNoHandleLine, kNoHandleLine}));
    EXPECT_FALSE(context.session.sizeCopied);
    EXPECT_TRUE(fake.controls.confirmations().empty());
    EXPECT_FALSE(AnyWindowCall());
}

TEST_F(SizeTest, ACopyPastesWithoutAskingUntilTheFirstTickPastItsTenSeconds) {
    struct Case {
        std::uint64_t waitMs;
        bool asks;
        Rect pasted;
    };
    const Case cases[] = {
        {9500, false, {40, 30, 840, 630}},
        {10000, false, {40, 30, 840, 630}},  // not yet strictly after the deadline
        {10500, true, {40, 30, 140, 130}},
        {11000, true, {40, 30, 140, 130}},
    };
    const WindowHandle target = fake.windows.AddWindow(L"Target", {40, 30, 90, 70}, 2000);
    for (const Case& c : cases) {
        fake.windows.window(target).placement.normalPosition = {40, 30, 90, 70};
        context.model.SetLastActiveWindow(editor);
        commands.CopySize();
        TicksFor(c.waitMs);
        EXPECT_EQ(context.session.sizeCopied, !c.asks) << c.waitMs;
        const std::size_t asked = fake.controls.confirmations().size();
        context.model.SetLastActiveWindow(target);
        ClearRecords();
        Click(IDC_BN_PASTESIZE);
        EXPECT_EQ(fake.controls.confirmations().size(), asked + (c.asks ? 1 : 0)) << c.waitMs;
        EXPECT_EQ(fake.windows.NormalRect(target), c.pasted) << c.waitMs;
        EXPECT_EQ(fake.windows.GetForegroundWindow(), target);
        EXPECT_EQ(Lines(),
                  (std::vector<std::wstring>{L"The button 'Paste Size' was pressed.",
                                             L"The copied window size was pasted to: Target "
                                             L"[C:\\windows\\notepad.exe]."}));
    }
    EXPECT_EQ(fake.controls.confirmations().back().text, kConfirmationText);
    EXPECT_EQ(fake.controls.confirmations().back().caption, L"Tilora");
    EXPECT_EQ(context.session.sizeCopiedDue, NEVER_DUE);
}

TEST_F(SizeTest, CancellingTheConfirmationChangesNoWindowAndWritesNothing) {
    fake.controls.UserConfirms(false);
    ClearRecords();
    Click(IDC_BN_PASTESIZE);
    commands.PasteSizeToAll();
    EXPECT_EQ(Lines(), std::vector<std::wstring>{L"The button 'Paste Size' was pressed."});
    EXPECT_EQ(fake.controls.confirmations().size(), 2u);
    EXPECT_FALSE(AnyWindowCall());
}

TEST_F(SizeTest, PasteToAllSparesTheLastActiveWindowAndTheDialogAndKeepsTheStacking) {
    const WindowHandle bottom = fake.windows.AddWindow(L"Bottom", {10, 20, 30, 40}, 2000);
    const WindowHandle top = fake.windows.AddWindow(L"Top", {500, 400, 600, 500}, 2000);
    fake.windows.SetForegroundWindow(editor);
    fake.windows.SetForegroundWindow(own);  // the user clicked into the dialog last
    context.session.copiedRect = {0, 0, 300, 200};
    context.session.sizeCopied = true;
    ClearRecords();

    commands.PasteSizeToAll();

    EXPECT_EQ(Lines(),
              (std::vector<std::wstring>{
                  L"The copied window size was pasted to: Bottom [C:\\windows\\notepad.exe].",
                  L"The copied window size was pasted to: Top [C:\\windows\\notepad.exe]."}));
    EXPECT_EQ(fake.windows.NormalRect(bottom), (Rect{10, 20, 310, 220}));
    EXPECT_EQ(fake.windows.NormalRect(top), (Rect{500, 400, 800, 600}));
    EXPECT_EQ(fake.windows.NormalRect(editor), (Rect{100, 50, 900, 650}));
    EXPECT_EQ(fake.windows.NormalRect(own), (Rect{0, 0, 449, 405}));
    // Each went to the front in turn, bottom-most first, so the top-most ends in front.
    EXPECT_EQ(fake.windows.GetForegroundWindow(), top);
    EXPECT_EQ(fake.windows.zOrder()[1], bottom);
    // A report without a new capture shows the new rectangles.
    EXPECT_EQ(context.model.FindRecord(top)->rcNormalPosition, (Rect{500, 400, 800, 600}));
    EXPECT_FALSE(fake.journal.Contains("SetWindowPlacement Editor"));
}

TEST_F(SizeTest, AClosedLastActiveWindowIsReportedAndGetsNoCall) {
    commands.CopySize();
    const SessionState before = context.session;
    fake.windows.CloseWindow(editor);
    fake.controls.UserTypes(IDC_ED_USERINPUT, L"640x480");
    fake.clock.Advance(3000);
    ClearRecords();

    Click(IDC_BN_COPYSIZE);
    Click(IDC_BN_PASTESIZE);
    commands.ApplyUserSize();

    EXPECT_EQ(Lines(), (std::vector<std::wstring>{L"The button 'Copy Size' was pressed.", kGoneLine,
                                                  L"The button 'Paste Size' was pressed.",
                                                  kGoneLine, kGoneLine}));
    EXPECT_FALSE(AnyWindowCall());
    // The failed copy neither renews nor replaces the earlier one.
    EXPECT_EQ(context.session.copiedRect, before.copiedRect);
    EXPECT_EQ(context.session.sizeCopied, before.sizeCopied);
    EXPECT_EQ(context.session.sizeCopiedDue, before.sizeCopiedDue);
}

TEST_F(SizeTest, ATypedSizePutsTheWindowAtTheOriginOrIsRefusedWithItsReason) {
    struct Case {
        const wchar_t* typed;
        std::vector<std::wstring> lines;
        Rect rect;
    };
    const Rect unchanged{100, 50, 900, 650};
    const Case cases[] = {
        {L"640x480", {}, {0, 0, 640, 480}},
        {L"50x50", {}, {0, 0, 50, 50}},
        {L"640 x 480",
         {L" ! Faulty user input detected. The following invalid characters were identified:   "},
         unchanged},
        {L"3a0x400",
         {L" ! Faulty user input detected. The following invalid characters were identified: a"},
         unchanged},
        {L"300X400",
         {L"Your input does not contain an x. Please enter the window width x window height in "
          L"the format 300 x 400."},
         unchanged},
        {L"300x400x500",
         {L"Your input does contain more than one x. Please enter the window width x window "
          L"height in the format 300 x 400."},
         unchanged},
        {L"49x400",
         {L" ! Faulty user input as desired window size width x height: The minimum size is "
          L"50x50 pixel."},
         unchanged},
    };
    for (const Case& c : cases) {
        fake.windows.window(editor).placement.normalPosition = WorkspaceRect(unchanged);
        fake.controls.UserTypes(IDC_ED_USERINPUT, c.typed);
        ClearRecords();
        commands.ApplyUserSize();
        EXPECT_EQ(Lines(), c.lines) << c.typed;
        EXPECT_EQ(fake.windows.NormalRect(editor), c.rect) << c.typed;
        EXPECT_EQ(fake.journal.Contains("SetForegroundWindow Editor"), c.lines.empty()) << c.typed;
    }
}

TEST_F(SizeTest, AWindowThatDoesNotRespondIsSizedWithoutWaitingAndNotActivated) {
    fake.windows.window(editor).hung = true;
    const std::wstring notResponding =
        L" ! Window name: Editor [width x height: 800 x 600;  Process path: "
        L"C:\\windows\\notepad.exe] does not respond: the change was handed to its program "
        L"without waiting for it, and the window was not brought to the foreground.";
    struct Case {
        const char* name;
        std::function<void()> run;
        Rect expected;
    };
    const Case cases[] = {
        {"paste", [&] { Click(IDC_BN_PASTESIZE); }, {100, 50, 200, 150}},
        {"typed size",
         [&] {
             fake.controls.SetText(IDC_ED_USERINPUT, L"640x480");
             commands.ApplyUserSize();
         },
         {0, 0, 640, 480}},
    };
    fake.controls.UserConfirms(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake.windows.window(editor).placement.normalPosition = {100, 50, 900, 650};
        ClearRecords();
        c.run();
        EXPECT_EQ(fake.windows.NormalRect(editor), c.expected);
        const auto lines = Lines();
        EXPECT_EQ(std::count(lines.begin(), lines.end(), notResponding), 1);
        for (const std::string& call : fake.journal.calls()) {
            EXPECT_NE(call.rfind("Blocked", 0), 0u) << call;
            EXPECT_NE(call, "SetForegroundWindow Editor");
        }
    }
}

}  // namespace
}  // namespace tilora
