#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

#include "StartedDialogTest.h"
#include "files/ArrangementFormat.h"
#include "files/PathText.h"
#include "files/TextFile.h"

namespace tilora {
namespace {

WindowRecord Record(const std::wstring& title, Rect rect, int zLevel, unsigned showCmd) {
    WindowRecord record;
    record.winName = title;
    record.rcNormalPosition = rect;
    record.zLevel = zLevel;
    record.showCmd = showCmd;
    record.procPath = L"C:\\Windows\\notepad.exe";
    return record;
}

TEST(FormatArrangement, OneLinePerWindowWithPaddedNumbersAndTheTrailer) {
    MessageCatalogue english;
    english.CopySelectedTables();
    EXPECT_EQ(FormatArrangement({}, english.Message(Msg::ArrangementTrailer)), L"");
    EXPECT_EQ(FormatArrangement({Record(L"Untitled - Notepad", {100, 50, 900, 650}, 3, 1)},
                                english.Message(Msg::ArrangementTrailer)),
              L"zLevel:   3; showCmd: 1; size:  800x 600; ltrb:  100/  50/ 900/ 650; winName: "
              L"Untitled - Notepad; procPath: C:\\Windows\\notepad.exe; ltrb = "
              L"left/top/right/bottom coordinates;\n");

    const WindowSnapshot snapshot = {
        Record(L"left monitor", {-1920, 100, -1000, 700}, 7, 2),
        Record(L"deep; #odd", {0, 0, 12345, 10}, 1234, 3),
    };
    MessageCatalogue german;
    german.SetCurrentLanguage(L"German");
    german.CopySelectedTables();
    EXPECT_EQ(
        FormatArrangement(snapshot, german.Message(Msg::ArrangementTrailer)),
        L"zLevel:   7; showCmd: 2; size:  920x 600; ltrb: -1920/ 100/-1000/ 700; winName: left "
        L"monitor; procPath: C:\\Windows\\notepad.exe; ltrb = links/oben/rechts/unten "
        L"Koordinaten;\n"
        L"zLevel: 1234; showCmd: 3; size: 12345x  10; ltrb:    0/   0/12345/  10; winName: "
        L"deep; #odd; procPath: C:\\Windows\\notepad.exe; ltrb = links/oben/rechts/unten "
        L"Koordinaten;\n");
}

class SaveTest : public testing::StartedDialogTest {
  protected:
    void SetUp() override {
        fake.windows.AddWindow(L"Editor", {100, 50, 900, 650});
        Start();
    }
    std::filesystem::path Arrangement(const std::wstring& name) const {
        return ToPath(context.paths.arrangementsDir + name);
    }
    std::vector<std::wstring> ReadBack(const std::wstring& name) const {
        std::vector<std::wstring> lines;
        ReadTextLines(context.paths.arrangementsDir + name, lines);
        return lines;
    }
};

TEST_F(SaveTest, SaveAsNamesTheFileAfterTheInputOrTheTime) {
    struct Case {
        std::wstring input;
        std::wstring file;
    };
    const Case cases[] = {
        {L"Layout1", L"Layout1.txt"},
        {L"Layout2.TXT", L"Layout2.TXT"},
        {L"Layout3.txt ", L"Layout3.txt .txt"},
        {L"SaveAs_yyyy-mm-dd_hh.mm.ss.txt", L"SaveAs_2024-03-07_09.05.03.txt"},
        {L"SaveAs_yyyy-mm-dd_hh.mm.ss.txt ", L"SaveAs_yyyy-mm-dd_hh.mm.ss.txt .txt"},
        {L"", L".txt"},
    };
    for (const Case& c : cases) {
        fake.controls.UserTypes(IDC_ED_USERINPUT, c.input);
        dialog.OnButtonClicked(IDC_BN_SAVEAS);
        EXPECT_TRUE(std::filesystem::is_regular_file(Arrangement(c.file))) << c.input;
    }
    const auto lines = ReadBack(L"Layout1.txt");
    ASSERT_EQ(lines.size(), 2u);  // the editor and the dialog, bottom-most first
    EXPECT_NE(lines[0].find(L"; winName: Tilora v1.09 (b); "), std::wstring::npos);
    EXPECT_NE(lines[1].find(L"ltrb:  100/  50/ 900/ 650; winName: Editor; "), std::wstring::npos);
    EXPECT_EQ(fake.controls.Lines(IDC_LB_INFO).front(), L"The button 'SaveAs' was pressed.");
}

TEST_F(SaveTest, SaveAsRefusesNamesThatLeaveTheArrangementFolder) {
    const std::filesystem::path base = ToPath(context.paths.baseDir);
    const auto filesBelowBase = [&] {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(base))
            if (entry.is_regular_file()) files.push_back(entry.path());
        return files;
    };
    std::filesystem::create_directories(ToPath(context.paths.arrangementsDir + L"sub"));
    const auto before = filesBelowBase();
    for (const wchar_t* input : {L"..\\..\\x", L"..\\x", L"../x", L"sub\\x", L"sub/x", L"C:\\x",
                                 L"C:x", L"x..txt", L"a|b", L"a?b", L"a\tb", L"x.", L"COM2"}) {
        fake.controls.ListClear(IDC_LB_INFO);
        fake.controls.UserTypes(IDC_ED_USERINPUT, input);
        dialog.OnButtonClicked(IDC_BN_SAVEAS);
        // The log shows a tab as U+FFFD, so that the refused character can be seen.
        std::wstring shownInput = input;
        std::replace(shownInput.begin(), shownInput.end(), L'\t', L'\uFFFD');
        EXPECT_EQ(Lines(), (std::vector<std::wstring>{
                               L"The button 'SaveAs' was pressed.",
                               L" ! Nothing was saved: a name for SaveAs may not contain a "
                               L"folder, a drive, \"..\" or any of the characters \\ / : * ? \" "
                               L"< > |, nor be a name Windows keeps for a device (CON, PRN, AUX, "
                               L"NUL, COM1 to COM9, LPT1 to LPT9). The name was: " +
                                   shownInput}));
    }
    EXPECT_EQ(filesBelowBase(), before);

    fake.controls.ListClear(IDC_LB_INFO);
    fake.controls.UserTypes(IDC_ED_USERINPUT, L"Pl\u00e4ne B\u00fcro");
    dialog.OnButtonClicked(IDC_BN_SAVEAS);
    EXPECT_EQ(Lines(), std::vector<std::wstring>{L"The button 'SaveAs' was pressed."});
    EXPECT_EQ(ReadBack(L"Pl\u00e4ne B\u00fcro.txt").size(), 2u);
}

TEST_F(SaveTest, InGermanThePlaceholderStillGivesASaveAsName) {
    dialog.OnButtonClicked(IDC_BN_LANGUAGE);
    ASSERT_EQ(fake.controls.Text(IDC_ED_USERINPUT), L"SaveAs_JJJJ-MM-TT_hh.mm.ss.txt");
    dialog.OnButtonClicked(IDC_BN_SAVEAS);
    EXPECT_TRUE(std::filesystem::is_regular_file(Arrangement(L"SaveAs_2024-03-07_09.05.03.txt")));
    EXPECT_NE(ReadBack(L"SaveAs_2024-03-07_09.05.03.txt")[0].find(
                  L"; ltrb = links/oben/rechts/unten Koordinaten;"),
              std::wstring::npos);
    EXPECT_EQ(fake.controls.Lines(IDC_LB_INFO).back(),
              L"Der Button 'Speich. Unter' wurde gedrückt.");
}

TEST_F(SaveTest, SavingRefreshesTheArrangementBoxWithTheFirstEntrySelected) {
    fake.controls.UserTypes(IDC_ED_USERINPUT, L"Zeta");
    dialog.OnButtonClicked(IDC_BN_SAVEAS);
    fake.controls.UserTypes(IDC_ED_USERINPUT, L"Alpha");
    dialog.OnButtonClicked(IDC_BN_SAVEAS);
    auto items = fake.controls.ComboItems(IDC_CB_ARRANGEMENT);
    std::sort(items.begin(), items.end());
    EXPECT_EQ(items, (std::vector<std::wstring>{L"Alpha.txt", L"Zeta.txt"}));
    EXPECT_EQ(fake.controls.ComboSelection(IDC_CB_ARRANGEMENT), 0);
}

TEST_F(SaveTest, SaveSessionDefaultTwiceInOneSecondWritesOneFileAndRenewsTheRestorePoint) {
    WindowModel& model = context.model;
    model.HoldRestorePoint();
    dialog.OnButtonClicked(IDC_BN_SAVESD);
    const std::wstring first = context.session.sessionDefaultPath;
    dialog.OnButtonClicked(IDC_BN_SAVESD);
    EXPECT_EQ(context.session.sessionDefaultPath, first);
    EXPECT_EQ(first, context.paths.arrangementsDir + L"SessionDefault_2024-03-07_09.05.03.txt");
    EXPECT_TRUE(std::filesystem::is_regular_file(ToPath(first)));
    EXPECT_EQ(model.restorePoint(), model.currentSnapshot());
    EXPECT_EQ(model.restorePoint().size(), 2u);
    fake.windows.AddWindow(L"Later", {0, 0, 10, 10});
    model.CaptureWindows();
    model.RenewRestorePointUnlessHeld();  // released: follows the next capture
    EXPECT_EQ(model.restorePoint().size(), 3u);
    EXPECT_EQ(fake.controls.Lines(IDC_LB_INFO),
              (std::vector<std::wstring>{L"The button 'Save SD' was pressed.",
                                         L"The button 'Save SD' was pressed."}));
}

TEST_F(SaveTest, TheLogShowsOddTitleCharactersReplacedAndTheFileKeepsThemAsCaptured) {
    const std::wstring title(L"Bill\u202Etxt.exe\0tail\x1b", 18);
    fake.windows.AddWindow(title, {0, 0, 300, 200});
    dialog.OnButtonClicked(IDC_BN_MINIMIZEALL);
    const std::wstring shown = L"Window name: Bill\uFFFDtxt.exe\uFFFDtail\uFFFD [width x height";
    const auto lines = Lines();
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [&](const std::wstring& line) { return line.starts_with(shown); }),
              1);

    fake.controls.UserTypes(IDC_ED_USERINPUT, L"Raw");
    dialog.OnButtonClicked(IDC_BN_SAVEAS);
    bool found = false;
    for (const std::wstring& line : ReadBack(L"Raw.txt")) {
        found = found || line.find(L"; winName: " + title + L"; ") != std::wstring::npos;
    }
    EXPECT_TRUE(found);
}

TEST_F(SaveTest, NamesUpToTheLongestWindowsTakesAreSavedAndLongerOnesReportedWith206) {
    const std::wstring longest(251, L'n');  // 255 characters with ".txt"
    fake.controls.UserTypes(IDC_ED_USERINPUT, longest);
    dialog.OnButtonClicked(IDC_BN_SAVEAS);
    EXPECT_EQ(Lines(), std::vector<std::wstring>{L"The button 'SaveAs' was pressed."});
    EXPECT_TRUE(std::filesystem::is_regular_file(Arrangement(longest + L".txt")));

    fake.controls.ListClear(IDC_LB_INFO);
    fake.controls.UserTypes(IDC_ED_USERINPUT, longest + L"n");
    dialog.OnButtonClicked(IDC_BN_SAVEAS);
    EXPECT_EQ(Lines().back(), L" ! The following file could not be written: " +
                                  context.paths.arrangementsDir + longest +
                                  L"n.txt. The following Windows error (decimal value) has "
                                  L"occurred: 206");
}

TEST_F(SaveTest, AFailedWriteIsReportedWithTheFileAndTheWindowsCode) {
    std::filesystem::remove_all(ToPath(context.paths.arrangementsDir));
    dialog.OnButtonClicked(IDC_BN_SAVESD);
    const auto lines = fake.controls.Lines(IDC_LB_INFO);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], L" ! The following file could not be written: " +
                            context.session.sessionDefaultPath +
                            L". The following Windows error (decimal value) has occurred: 3");
}

}  // namespace
}  // namespace tilora
