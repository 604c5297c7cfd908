#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "app/resource.h"
#include "commands/ComboBoxes.h"
#include "commands/InfoLog.h"

namespace tilora {
namespace {

using testing::FakePlatform;

class InfoLogTest : public ::testing::Test {
  protected:
    FakePlatform fake;
    InfoLog log{fake.controls, fake.clock};

    std::vector<std::wstring> Lines() const { return fake.controls.Lines(IDC_LB_INFO); }
    void ClickCheckBox(int id, bool checked) {
        fake.controls.UserSetsCheck(id, checked);
        if (id == IDC_CK_STOP) log.OnStopClicked();
        if (id == IDC_CK_CLEAR) log.OnClearClicked();
    }
};

TEST_F(InfoLogTest, AppendedLinesStayInOrderAndTheNewestIsScrolledIntoView) {
    log.AppendInfo(L"first");
    log.AppendInfo(L" ! second");
    EXPECT_EQ(Lines(), (std::vector<std::wstring>{L"first", L" ! second"}));
    EXPECT_EQ(fake.controls.TopIndex(IDC_LB_INFO), 1);
}

TEST_F(InfoLogTest, StopDropsLinesForGood) {
    log.AppendInfo(L"before");
    ClickCheckBox(IDC_CK_STOP, true);
    log.AppendInfo(L"while stopped");
    ClickCheckBox(IDC_CK_STOP, false);
    log.AppendInfo(L"after");
    EXPECT_EQ(Lines(), (std::vector<std::wstring>{L"before", L"after"}));
}

TEST_F(InfoLogTest, ClearEmptiesTheLogAndUnchecksAtTheFirstTickAfterTwoSeconds) {
    log.AppendInfo(L"old");
    ClickCheckBox(IDC_CK_STOP, true);  // clearing works while output is stopped
    const std::uint64_t clickedAt = fake.clock.TickCount();
    ClickCheckBox(IDC_CK_CLEAR, true);
    EXPECT_TRUE(Lines().empty());

    fake.clock.SetTick(clickedAt + 2000);
    log.ClearCheckTick();
    EXPECT_TRUE(fake.controls.IsChecked(IDC_CK_CLEAR));

    fake.clock.SetTick(clickedAt + 2001);
    log.ClearCheckTick();
    EXPECT_FALSE(fake.controls.IsChecked(IDC_CK_CLEAR));
    EXPECT_EQ(log.clearUncheckAt(), NEVER_DUE);
}

TEST_F(InfoLogTest, UncheckingClearByHandKeepsTheLog) {
    log.AppendInfo(L"kept");
    ClickCheckBox(IDC_CK_CLEAR, false);
    EXPECT_EQ(Lines(), std::vector<std::wstring>{L"kept"});
    EXPECT_EQ(log.clearUncheckAt(), NEVER_DUE);
}

TEST_F(InfoLogTest, TheLogKeepsTheNewestLinesOnceFull) {
    for (int i = 0; i < InfoLog::kMaxLines + 3; ++i) log.AppendInfo(std::to_wstring(i));
    const auto lines = Lines();
    ASSERT_EQ(static_cast<int>(lines.size()), InfoLog::kMaxLines);
    EXPECT_EQ(lines.front(), L"3");
    EXPECT_EQ(lines.back(), std::to_wstring(InfoLog::kMaxLines + 2));
    EXPECT_EQ(fake.controls.TopIndex(IDC_LB_INFO), InfoLog::kMaxLines - 1);
}

TEST_F(InfoLogTest, ComboItemTextGivesTheItemOrAnInputError) {
    struct Case {
        int items;
        int index;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {3, -1, L"Input error: The combobox index must be >= 0."},
        {0, -1, L"Input error: The combobox index must be >= 0."},
        {0, 0, L"Input error: The combobox is empty."},
        {3, 3, L"Input error: The combobox index was too high."},
        {3, 0, L"item 0"},
        {3, 2, L"item 2"},
    };
    for (const Case& c : cases) {
        fake.controls.ComboReset(IDC_CB_COMMAND);
        for (int i = 0; i < c.items; ++i)
            fake.controls.ComboAdd(IDC_CB_COMMAND, L"item " + std::to_wstring(i));
        EXPECT_EQ(ComboItemText(fake.controls, IDC_CB_COMMAND, c.index), c.expected)
            << c.items << " items, index " << c.index;
    }
}

TEST_F(InfoLogTest, SelectedComboTextIsEmptyWithoutASelection) {
    EXPECT_EQ(SelectedComboText(fake.controls, IDC_CB_ARRANGEMENT), L"");
    fake.controls.ComboAdd(IDC_CB_ARRANGEMENT, L"a.txt");
    fake.controls.ComboAdd(IDC_CB_ARRANGEMENT, L"b.txt");
    EXPECT_EQ(SelectedComboText(fake.controls, IDC_CB_ARRANGEMENT), L"");
    fake.controls.ComboSelect(IDC_CB_ARRANGEMENT, 1);
    EXPECT_EQ(SelectedComboText(fake.controls, IDC_CB_ARRANGEMENT), L"b.txt");
}

}  // namespace
}  // namespace tilora
