#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "LineEndFiles.h"
#include "StartedDialogTest.h"
#include "files/ArrangementFormat.h"
#include "files/PathText.h"
#include "files/TextFile.h"
#include "files/TextHelpers.h"

namespace tilora {
namespace {

TEST(ExtractValue, FindsTheTrimmedValueBeforeTheTerminatorAndStopsAtComments) {
    struct Case {
        const wchar_t* line;
        const wchar_t* key;
        const wchar_t* value;
    };
    const Case cases[] = {
        {L"zLevel:   3; showCmd: 1;", L"zLevel:", L"3"},
        {L"showCmd: 1; zLevel: 7;", L"zLevel:", L"7"},  // any order
        {L"winName:  Editor \t; procPath: x;", L"winName:", L"Editor"},
        {L"winName: Editor", L"winName:", L""},             // no terminator
        {L"zLevel: 3;", L"winName:", L""},                  // no key
        {L"winName: A#B; procPath: x;", L"winName:", L""},  // comment cuts the terminator off
        {L"winName: A; procPath: C:\\#x;", L"winName:", L"A"},
        {L"# winName: A;", L"winName:", L""},
        {L"winName: a;b; x", L"winName:", L"a"},
    };
    for (const Case& c : cases) EXPECT_EQ(ExtractValue(c.line, c.key, L";"), c.value) << c.line;
}

TEST(SplitTrimmed, CountsTheTrimmedPieces) {
    struct Case {
        const wchar_t* text;
        std::vector<std::wstring> pieces;
    };
    const Case cases[] = {
        {L"100/50/900/650", {L"100", L"50", L"900", L"650"}},
        {L" 100 /  50/ 900 / 650 ", {L"100", L"50", L"900", L"650"}},
        {L"/50/900/650", {L"", L"50", L"900", L"650"}},
        {L"100/50/900/", {L"100", L"50", L"900"}},
        {L"100/50/900/650/1", {L"100", L"50", L"900", L"650", L"1"}},
        {L"", {}},
        {L"/", {L"/"}},  // not longer than the delimiter: never split
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitTrimmed(c.text, L"/"), c.pieces) << c.text;
    }
}

std::wstring Line(int zLevel, unsigned showCmd, const std::wstring& ltrb, const std::wstring& title,
                  const std::wstring& trailer = L"; ltrb = left/top/right/bottom coordinates;") {
    return L"zLevel: " + std::to_wstring(zLevel) + L"; showCmd: " + std::to_wstring(showCmd) +
           L"; size: 1x1; ltrb: " + ltrb + L"; winName: " + title + L"; procPath: C:\\#app.exe" +
           trailer;
}

class ApplyTest : public testing::StartedDialogTest {
  protected:
    // Writes the arrangement file and selects it in the arrangement box.
    void Arrangement(const std::wstring& name, const std::vector<std::wstring>& lines) {
        std::wstring text;
        for (const auto& line : lines) text += line + L"\n";
        ASSERT_EQ(WriteTextFile(context.paths.arrangementsDir + name, text), 0);
        fake.controls.ComboReset(IDC_CB_ARRANGEMENT);
        fake.controls.ComboAdd(IDC_CB_ARRANGEMENT, name);
        fake.controls.ComboSelect(IDC_CB_ARRANGEMENT, 0);
    }
    std::vector<std::wstring> Apply() {
        fake.controls.ListClear(IDC_LB_INFO);
        dialog.OnButtonClicked(IDC_BN_APPLY);
        auto lines = fake.controls.Lines(IDC_LB_INFO);
        EXPECT_EQ(lines.front(), L"The button 'Apply' was pressed.");
        lines.erase(lines.begin());
        return lines;
    }
};

TEST_F(ApplyTest, EveryLineEndAndAMarkBeforeALineGiveTheLinesAnEditorShows) {
    const WindowHandle editor = fake.windows.AddWindow(L"Editor", {0, 0, 100, 100});
    const WindowHandle mail = fake.windows.AddWindow(L"Mail", {0, 0, 100, 100});
    const std::vector<std::string> lines = {"ltrb: 10/20/410/320; winName: Editor;",
                                            "ltrb: 1/2/30/40; winName: Mail;", "# comment"};
    for (const testing::LineEndFile& c : testing::LineEndFiles()) {
        for (const WindowHandle window : {editor, mail}) {
            fake.windows.window(window).placement.normalPosition = {0, 0, 100, 100};
        }
        Arrangement(L"a.txt", {});
        std::ofstream(ToPath(context.paths.arrangementsDir + L"a.txt"), std::ios::binary)
            << testing::FileBytes(c, lines);
        EXPECT_TRUE(Apply().empty()) << c.what;
        EXPECT_EQ(fake.windows.NormalRect(editor), (Rect{10, 20, 410, 320})) << c.what;
        EXPECT_EQ(fake.windows.NormalRect(mail), (Rect{1, 2, 30, 40})) << c.what;
    }
}

TEST_F(ApplyTest, WindowsGetTheirRectanglesShowStatesAndStackingFromTheFile) {
    const WindowHandle editor = fake.windows.AddWindow(L"Editor", {0, 0, 10, 10});
    const WindowHandle mail = fake.windows.AddWindow(L"Mail", {0, 0, 10, 10});
    const WindowHandle player = fake.windows.AddWindow(L"Player", {0, 0, 10, 10});
    Arrangement(L"Work.txt",
                {Line(2, 1, L" 100/  50/ 900/ 650", L"Editor"), Line(9, 3, L"0/0/1/1", L"Player"),
                 Line(0, 1, L"-1820/100/-1020/700", L"Mail"), Line(5, 2, L"1/2/3/4", L"Gone")});
    const auto lines = Apply();
    EXPECT_EQ(lines,
              std::vector<std::wstring>{
                  L" ! The following, file saved window was not found among the currently opened "
                  L"windows, thus being minimized: " +
                  Line(5, 2, L"1/2/3/4", L"Gone")});
    EXPECT_EQ(fake.windows.NormalRect(editor), (Rect{100, 50, 900, 650}));
    EXPECT_EQ(fake.windows.NormalRect(mail), (Rect{-1820, 100, -1020, 700}));
    EXPECT_EQ(fake.windows.ShowState(player), kSwShowMaximized);
    // Depth 0 ends on top, then 2; the player (9) is applied first.
    EXPECT_EQ(fake.windows.zOrder()[0], mail);
    EXPECT_EQ(fake.windows.zOrder()[1], editor);
    EXPECT_EQ(fake.windows.zOrder()[2], player);
}

TEST_F(ApplyTest, ALineWithoutAnOpenWindowChangesNoWindow) {
    const WindowHandle editor = fake.windows.AddWindow(L"Editor", {0, 0, 10, 10});
    Arrangement(L"a.txt",
                {Line(1, 1, L"10/10/110/110", L"Editor"), Line(0, 1, L"0/0/5/5", L"Missing")});
    Apply();
    EXPECT_EQ(fake.windows.ShowState(editor), kSwShowNormal);  // not minimised for the missing one
    EXPECT_EQ(fake.windows.NormalRect(editor), (Rect{10, 10, 110, 110}));
}

TEST_F(ApplyTest, TitlesAreMatchedExactlyAfterTrimmingAndTitlesAsWrittenComeBackWhole) {
    const WindowHandle semicolon = fake.windows.AddWindow(L"a;b", {0, 0, 10, 10});
    const WindowHandle shorter = fake.windows.AddWindow(L"x", {0, 0, 10, 10});
    const WindowHandle hash = fake.windows.AddWindow(L"Hash#Tag", {0, 0, 10, 10});
    const WindowHandle padded = fake.windows.AddWindow(L"Padded", {0, 0, 10, 10});
    Arrangement(L"a.txt",
                {Line(1, 1, L"1/1/2/2", L"a;b"), Line(1, 1, L"3/3/4/4", L"x;y"),
                 Line(1, 1, L"5/5/6/6", L"Hash#Tag"), Line(1, 1, L"7/7/8/8", L"  Padded  "),
                 Line(1, 1, L"9/9/9/9", L"Gone #1"), L"# " + Line(1, 1, L"0/0/1/1", L"x")});
    const auto lines = Apply();
    // A title that is open under its shortened value keeps that reading.
    EXPECT_EQ(fake.windows.NormalRect(shorter), (Rect{3, 3, 4, 4}));
    EXPECT_EQ(fake.windows.NormalRect(semicolon), (Rect{1, 1, 2, 2}));
    EXPECT_EQ(fake.windows.NormalRect(hash), (Rect{5, 5, 6, 6}));
    EXPECT_EQ(fake.windows.NormalRect(padded), (Rect{7, 7, 8, 8}));
    // A "#" title whose window is closed is reported, no longer skipped; a line commented out
    // stays silent.
    EXPECT_EQ(lines, std::vector<std::wstring>{
                         L" ! The following, file saved window was not found among the currently "
                         L"opened windows, thus being minimized: " +
                         Line(1, 1, L"9/9/9/9", L"Gone #1")});
}

TEST_F(ApplyTest, DuplicateTitlesMissingValuesAndBadRectangles) {
    const WindowHandle lowerTwin = fake.windows.AddWindow(L"Twin", {0, 0, 10, 10});
    const WindowHandle upperTwin = fake.windows.AddWindow(L"Twin", {0, 0, 10, 10});
    const WindowHandle maximised = fake.windows.AddWindow(L"Keep", {0, 0, 10, 10});
    fake.windows.ShowWindow(maximised, kSwShowMaximized);
    fake.windows.AddWindow(L"Bad", {0, 0, 10, 10});
    fake.windows.AddWindow(L"Bad", {0, 0, 10, 10});
    Arrangement(L"a.txt", {Line(1, 1, L"1/1/2/2", L"Twin"), Line(1, 1, L"3/3/4/4", L"Twin"),
                           L"ltrb: 5/5/6/6; winName: Keep;", Line(1, 1, L"1/2/3", L"Bad")});
    const auto lines = Apply();
    // Each twin takes its own line, bottom-most first.
    EXPECT_EQ(fake.windows.NormalRect(lowerTwin), (Rect{1, 1, 2, 2}));
    EXPECT_EQ(fake.windows.NormalRect(upperTwin), (Rect{3, 3, 4, 4}));
    // No depth or show command in the line: the window keeps its own.
    EXPECT_EQ(fake.windows.ShowState(maximised), kSwShowMaximized);
    EXPECT_EQ(fake.windows.NormalRect(maximised), (Rect{5, 5, 6, 6}));
    const std::wstring badLine =
        L" ! ltrb (left/top/right/bottom) error in the read arrangement file. "
        L"The file row content was: " +
        Line(1, 1, L"1/2/3", L"Bad");
    EXPECT_EQ(lines, (std::vector<std::wstring>{badLine, badLine}));
}

TEST_F(ApplyTest, WhatSaveAsWroteBringsBackEveryWindowItNamed) {
    struct Saved {
        const wchar_t* title;
        Rect rect;
    };
    const Saved saved[] = {
        {L"a; b", {10, 10, 310, 210}},
        {L"Issue #12 \u2013 Browser", {20, 20, 320, 220}},
        {L"Untitled - Notepad", {30, 30, 330, 230}},
        {L"Untitled - Notepad", {40, 40, 340, 240}},
    };
    std::vector<WindowHandle> windows;
    for (const Saved& s : saved) windows.push_back(fake.windows.AddWindow(s.title, s.rect));
    fake.controls.SetText(IDC_ED_USERINPUT, L"Desk");
    dialog.OnButtonClicked(IDC_BN_SAVEAS);
    for (WindowHandle window : windows)
        fake.windows.SetWindowPos(window, kHwndTop, 900, 900, 50, 50, kSwpNoZOrder);

    fake.controls.ComboReset(IDC_CB_ARRANGEMENT);
    fake.controls.ComboAdd(IDC_CB_ARRANGEMENT, L"Desk.txt");
    fake.controls.ComboSelect(IDC_CB_ARRANGEMENT, 0);
    EXPECT_TRUE(Apply().empty());
    for (std::size_t i = 0; i < windows.size(); ++i)
        EXPECT_EQ(fake.windows.NormalRect(windows[i]), saved[i].rect) << i;

    // With one notepad closed, the first notepad line takes the other and the second finds none.
    fake.windows.CloseWindow(windows[2]);
    const auto lines = Apply();
    EXPECT_EQ(fake.windows.NormalRect(windows[3]), saved[2].rect);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].starts_with(L" ! The following, file saved window was not found"));
    EXPECT_NE(lines[0].find(L"ltrb:   40/  40/ 340/ 240; winName: Untitled - Notepad;"),
              std::wstring::npos)
        << lines[0];
}

TEST_F(ApplyTest, GermanFilesAndFilesWithoutWindowLinesReadQuietly) {
    const WindowHandle editor = fake.windows.AddWindow(L"Editor", {0, 0, 10, 10});
    Arrangement(L"de.txt", {Line(1, 1, L"1/2/3/4", L"Editor",
                                 L"; ltrb = links/oben/rechts/unten Koordinaten;")});
    EXPECT_TRUE(Apply().empty());
    EXPECT_EQ(fake.windows.NormalRect(editor), (Rect{1, 2, 3, 4}));

    Arrangement(L"empty.txt", {});
    EXPECT_TRUE(Apply().empty());
    Arrangement(L"comments.txt", {L"# winName: Editor; ltrb: 9/9/9/9;", L"#"});
    EXPECT_TRUE(Apply().empty());
    EXPECT_EQ(fake.windows.NormalRect(editor), (Rect{1, 2, 3, 4}));
}

TEST_F(ApplyTest, MissingEmptyAndUnreadableFilesAreReported) {
    fake.controls.ComboReset(IDC_CB_ARRANGEMENT);
    EXPECT_EQ(Apply(), std::vector<std::wstring>{
                           L" ! The selected file was not found. The file name was: empty"});

    fake.controls.ComboAdd(IDC_CB_ARRANGEMENT, L"gone.txt");
    fake.controls.ComboSelect(IDC_CB_ARRANGEMENT, 0);
    EXPECT_EQ(Apply(),
              std::vector<std::wstring>{L" ! The selected file was not found. The file name was: " +
                                        context.paths.arrangementsDir + L"gone.txt"});

    std::ofstream(ToPath(context.paths.arrangementsDir + L"be.txt"), std::ios::binary)
        << "\xFE\xFF\0a";
    fake.controls.ComboReset(IDC_CB_ARRANGEMENT);
    fake.controls.ComboAdd(IDC_CB_ARRANGEMENT, L"be.txt");
    fake.controls.ComboSelect(IDC_CB_ARRANGEMENT, 0);
    EXPECT_EQ(Apply(), std::vector<std::wstring>{
                           L"The attempt to open the file was not successful. The "
                           L"following Windows error (decimal value) has occurred : 13"});
}

TEST_F(ApplyTest, ApplySdBeforeAnySaveSdMovesNothing) {
    const WindowHandle editor = fake.windows.AddWindow(L"Editor", {0, 0, 10, 10});
    Arrangement(L"a.txt", {Line(1, 1, L"1/1/2/2", L"Editor")});
    Apply();
    dialog.OnButtonClicked(IDC_BN_APPLYSD);
    EXPECT_EQ(fake.controls.Lines(IDC_LB_INFO).back(),
              L" ! The selected file was not found. The file name was: empty");
    EXPECT_TRUE(context.session.fileArrangement.empty());

    dialog.OnButtonClicked(IDC_BN_SAVESD);
    fake.windows.SetWindowPos(editor, kHwndTop, 500, 500, 10, 10, kSwpNoZOrder);
    dialog.OnButtonClicked(IDC_BN_APPLYSD);
    EXPECT_EQ(fake.windows.NormalRect(editor), (Rect{1, 1, 2, 2}));
}

TEST_F(ApplyTest, WithMinAndNotTopTheDialogStaysMinimisedForThreeSeconds) {
    Arrangement(L"a.txt", {Line(0, 1, L"0/0/449/405", L"Tilora v1.09 (b)")});
    fake.controls.SetChecked(IDC_CK_MIN, true);
    Apply();
    EXPECT_EQ(fake.windows.ShowState(own), kSwShowMinimized);
    EXPECT_TRUE(context.session.keepOwnMinimized);

    fake.clock.Advance(3000);
    dialog.OnTimer();
    EXPECT_TRUE(context.session.keepOwnMinimized);
    fake.clock.Advance(1);
    dialog.OnTimer();
    EXPECT_FALSE(context.session.keepOwnMinimized);

    fake.controls.SetChecked(IDC_CK_TOP, true);
    Apply();
    EXPECT_EQ(fake.windows.ShowState(own), kSwShowNormal);
}

TEST_F(ApplyTest, StartArrangReturnsToTheRestorePointAndReleasesIt) {
    const WindowHandle editor = fake.windows.AddWindow(L"Editor", {10, 20, 310, 420});
    dialog.OnButtonClicked(IDC_BN_TILEALL);      // takes and holds the restore point
    dialog.OnButtonClicked(IDC_BN_MAXIMIZEALL);  // keeps it
    ASSERT_NE(fake.windows.NormalRect(editor), (Rect{10, 20, 310, 420}));
    dialog.OnButtonClicked(IDC_BN_STARTARRANG);
    EXPECT_EQ(fake.windows.ShowState(editor), kSwShowNormal);
    EXPECT_EQ(fake.windows.NormalRect(editor), (Rect{10, 20, 310, 420}));
    EXPECT_EQ(fake.controls.Lines(IDC_LB_INFO).back(), L"The button 'Start Arrang.' was pressed.");
    fake.windows.SetWindowPos(editor, kHwndTop, 50, 60, 300, 400, 0);
    dialog.OnButtonClicked(IDC_BN_MINIMIZEALL);  // released: the next bulk button renews it
    EXPECT_EQ(context.model.restorePoint(), context.model.currentSnapshot());
}

}  // namespace
}  // namespace tilora
