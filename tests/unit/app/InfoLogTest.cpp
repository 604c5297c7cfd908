#include <gtest/gtest.h>
#include <optional>

#include "FakePlatform.h"
#include "commands/ComboBoxes.h"
#include "commands/InfoLog.h"
#include "platform/ControlIds.h"

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
}

TEST_F(InfoLogTest, UncheckingClearByHandKeepsTheLog) {
    log.AppendInfo(L"kept");
    ClickCheckBox(IDC_CK_CLEAR, false);
    EXPECT_EQ(Lines(), std::vector<std::wstring>{L"kept"});
}

TEST_F(InfoLogTest, AFullLogDropsItsOldestLinesInBlocks) {
    constexpr int kMax = InfoLog::kMaxLines;
    constexpr int kBlock = InfoLog::kDropBlockLines;
    struct Case {
        bool inBatch;
        int written;
        std::vector<int> blocks;
    };
    const Case cases[] = {
        // One block at the first line past the bound, the next when it was full again.
        {false, kMax + kBlock + 3, {kBlock, kBlock}},
        // A batch drops them at its end, and leaves the same lines.
        {true, kMax + kBlock + 3, {2 * kBlock}},
        // Past its cap a batch makes room at once, so the box never holds more.
        {true, 2 * kMax + kBlock + 3, {kMax + kBlock, kBlock}},
    };
    for (const Case& c : cases) {
        fake.controls.ListClear(IDC_LB_INFO);
        std::optional<InfoLog::Batch> batch;
        if (c.inBatch) batch.emplace(log);
        const std::size_t blocksBefore = fake.controls.deletedBlocks().size();
        for (int i = 0; i < c.written; ++i) log.AppendInfo(std::to_wstring(i));
        batch.reset();

        EXPECT_EQ(std::vector<int>(fake.controls.deletedBlocks().begin() +
                                       static_cast<std::ptrdiff_t>(blocksBefore),
                                   fake.controls.deletedBlocks().end()),
                  c.blocks)
            << c.written;
        const auto lines = Lines();
        ASSERT_EQ(static_cast<int>(lines.size()), kMax - kBlock + 3);
        EXPECT_EQ(lines.front(), std::to_wstring(c.written - static_cast<int>(lines.size())));
        EXPECT_EQ(lines.back(), std::to_wstring(c.written - 1));
        EXPECT_EQ(fake.controls.TopIndex(IDC_LB_INFO), static_cast<int>(lines.size()) - 1);
    }
}

TEST_F(InfoLogTest, ABatchTakesEveryLineWordForWordWithoutPaintingAndScrollsOnceAtItsEnd) {
    log.AppendInfo(L"before");
    const int scrollsBefore = fake.controls.TopIndexSets(IDC_LB_INFO);
    std::vector<std::wstring> written{L"before"};
    {
        InfoLog::Batch outer(log);
        for (int i = 0; i < 3000; ++i) {
            written.push_back(L" ! The following window was not found: Absent " +
                              std::to_wstring(i) + L"; a;b #c");
            log.AppendInfo(written.back());
            if (i == 1500) {
                // A handler that opens its own batch inside the dialog's.
                InfoLog::Batch inner(log);
                written.push_back(L"inner");
                log.AppendInfo(written.back());
            }
        }
        EXPECT_FALSE(fake.controls.Redrawing(IDC_LB_INFO));
        EXPECT_EQ(fake.controls.TopIndexSets(IDC_LB_INFO), scrollsBefore);
    }
    EXPECT_EQ(Lines(), written);
    EXPECT_EQ(fake.controls.AppendsWhileRedrawing(IDC_LB_INFO), 1);  // "before" only
    EXPECT_EQ(fake.controls.TopIndexSets(IDC_LB_INFO), scrollsBefore + 1);
    EXPECT_EQ(fake.controls.TopIndex(IDC_LB_INFO), static_cast<int>(written.size()) - 1);
    EXPECT_TRUE(fake.controls.Redrawing(IDC_LB_INFO));
}

TEST_F(InfoLogTest, ABatchWithoutLinesLeavesTheBoxAlone) {
    log.AppendInfo(L"kept");
    const std::size_t journalBefore = fake.journal.calls().size();
    { InfoLog::Batch quiet(log); }
    {
        ClickCheckBox(IDC_CK_STOP, true);
        InfoLog::Batch stopped(log);
        log.AppendInfo(L"dropped");
    }
    EXPECT_EQ(fake.journal.calls().size(), journalBefore);
    EXPECT_EQ(fake.controls.TopIndexSets(IDC_LB_INFO), 1);
    EXPECT_EQ(Lines(), std::vector<std::wstring>{L"kept"});
}

TEST_F(InfoLogTest, ClearingDuringABatchLeavesNothingToScrollTo) {
    {
        InfoLog::Batch batch(log);
        log.AppendInfo(L"gone");
        ClickCheckBox(IDC_CK_CLEAR, true);
    }
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(fake.controls.TopIndexSets(IDC_LB_INFO), 0);
    EXPECT_TRUE(fake.controls.Redrawing(IDC_LB_INFO));
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
