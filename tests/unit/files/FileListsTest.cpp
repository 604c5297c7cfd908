#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "commands/ComboBoxes.h"
#include "files/FileLists.h"
#include "files/PathText.h"
#include "platform/ControlIds.h"

namespace tilora {
namespace {

namespace fs = std::filesystem;
using testing::FakePlatform;
using testing::ScopedWorkingFolder;

std::vector<std::wstring> Sorted(std::vector<std::wstring> names) {
    std::sort(names.begin(), names.end());
    return names;
}

// The two lists and the combo boxes that show them.
class ListsAndCombos {
  public:
    explicit ListsAndCombos(DialogControls& controls) : controls_(controls) {}
    int ListArrangementFiles(const std::wstring& dir) { return lists_.ListArrangementFiles(dir); }
    int ListScriptFiles(const std::wstring& dir) { return lists_.ListScriptFiles(dir); }
    const std::vector<std::wstring>& arrangementFiles() const { return lists_.arrangementFiles; }
    int FillArrangementCombo() {
        return FillCombo(controls_, IDC_CB_ARRANGEMENT, lists_.arrangementFiles);
    }
    int FillScriptCombo() { return FillCombo(controls_, IDC_CB_SCRIPT, lists_.scriptFiles); }

  private:
    DialogControls& controls_;
    FileLists lists_;
};

class FileListsTest : public ::testing::Test {
  protected:
    ScopedWorkingFolder folder{"tilora-filelists"};
    FakePlatform fake;
    ListsAndCombos lists{fake.controls};

    // The folder, ending in a separator as the program's folder paths do, holding the files.
    std::wstring Folder(const char* name, std::initializer_list<const wchar_t*> files) {
        fs::create_directories(folder.path() / name);
        const std::wstring path = FromPath(folder.path() / name) + L"/";
        for (const wchar_t* file : files) std::ofstream(ToPath(path + file)) << "x";
        return path;
    }
};

TEST(MatchesPattern, LettersMatchRegardlessOfCaseAndTheWholeNameCounts) {
    const std::tuple<const wchar_t*, const wchar_t*, bool> cases[] = {
        {L"LAYOUT.TXT", L"*.txt", true},          {L"\u00c4rger.TxT", L"*.txt", true},
        {L"a.txt.txt", L"*.txt", true},           {L"a.txtx", L"*.txt", false},
        {L"a.txt.csv", L"*.txt", false},          {L"atxt", L"*.txt", false},
        {L"SaveAs_1.txt", L"SaveAs_?.txt", true}, {L"SaveAs_12.txt", L"SaveAs_?.txt", false},
        {L"\u00e4.txt", L"\u00c4.TXT", true},
    };
    for (const auto& [name, pattern, matches] : cases) {
        EXPECT_EQ(MatchesPattern(name, pattern), matches) << name << " " << pattern;
    }
}

TEST_F(FileListsTest, ListsMatchingFilesButNeverFolders) {
    const std::wstring dir = Folder("_Arrangements", {L"b.txt", L"a.txt", L"LAYOUT.TXT", L"a.txtx",
                                                      L"notes.csv", L"\u4e2d\u6587.txt"});
    fs::create_directory(ToPath(dir + L"c.txt"));
    std::vector<std::wstring> names{L"stale"};
    EXPECT_EQ(ListFiles(dir, L"*.txt", names), 4);
    EXPECT_EQ(Sorted(names), Sorted({L"a.txt", L"b.txt", L"LAYOUT.TXT", L"\u4e2d\u6587.txt"}));

    EXPECT_EQ(ListFiles(FromPath(folder.path() / "missing") + L"/", L"*.txt", names), 0);
    EXPECT_TRUE(names.empty());
}

TEST_F(FileListsTest, CombosShowTheirListInOrderWithTheFirstSelected) {
    const std::wstring arrangements =
        Folder("_Arrangements", {L"Home.txt", L"Work.txt", L"misplaced.csv"});
    const std::wstring scripts = Folder("_AppStartScripts", {L"Morning.csv", L"misplaced.txt"});
    EXPECT_EQ(lists.ListArrangementFiles(arrangements), 2);
    EXPECT_EQ(lists.ListScriptFiles(scripts), 1);
    EXPECT_EQ(Sorted(lists.arrangementFiles()), Sorted({L"Home.txt", L"Work.txt"}));

    fake.controls.ComboAdd(IDC_CB_ARRANGEMENT, L"old entry");
    EXPECT_EQ(lists.FillArrangementCombo(), 2);
    EXPECT_EQ(lists.FillScriptCombo(), 1);
    EXPECT_EQ(fake.controls.ComboItems(IDC_CB_ARRANGEMENT), lists.arrangementFiles());
    EXPECT_EQ(fake.controls.ComboItems(IDC_CB_SCRIPT), std::vector<std::wstring>{L"Morning.csv"});
    EXPECT_EQ(fake.controls.ComboSelection(IDC_CB_SCRIPT), 0);

    // A new file appears once the folder is listed again; the first entry is selected again.
    fake.controls.ComboSelect(IDC_CB_ARRANGEMENT, 1);
    Folder("_Arrangements", {L"Zeta.txt"});
    EXPECT_EQ(lists.FillArrangementCombo(), 2);
    lists.ListArrangementFiles(arrangements);
    EXPECT_EQ(lists.FillArrangementCombo(), 3);
    EXPECT_EQ(fake.controls.ComboItems(IDC_CB_ARRANGEMENT), lists.arrangementFiles());
    EXPECT_EQ(fake.controls.ComboSelection(IDC_CB_ARRANGEMENT), 0);
}

TEST_F(FileListsTest, AnEmptyFolderLeavesTheComboEmptyWithNothingSelected) {
    fake.controls.ComboAdd(IDC_CB_SCRIPT, L"old entry");
    fake.controls.ComboSelect(IDC_CB_SCRIPT, 0);
    EXPECT_EQ(lists.ListScriptFiles(Folder("_AppStartScripts", {})), 0);
    EXPECT_EQ(lists.FillScriptCombo(), 0);
    EXPECT_EQ(fake.controls.ComboCount(IDC_CB_SCRIPT), 0);
    EXPECT_EQ(fake.controls.ComboSelection(IDC_CB_SCRIPT), -1);
}

}  // namespace
}  // namespace tilora
