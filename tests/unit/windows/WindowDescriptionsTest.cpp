#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "commands/WindowCommands.h"
#include "platform/ControlIds.h"
#include "windows/WindowDescriptions.h"

namespace tilora {
namespace {

WindowRecord Editor() {
    WindowRecord record;
    record.winName = L"Editor";
    record.rcNormalPosition = {100, 50, 900, 650};
    record.zLevel = 12;
    record.showCmd = 1;
    record.procID = 4242;
    record.procPath = L"C:\\Tools\\editor.exe";
    return record;
}

class DescriptionsTest : public ::testing::Test {
  protected:
    MessageCatalogue english;
    MessageCatalogue german;
    void SetUp() override {
        english.CopySelectedTables();
        german.SetCurrentLanguage(L"German");
        german.CopySelectedTables();
    }
};

TEST_F(DescriptionsTest, FullAndShortFormsInBothLanguages) {
    EXPECT_EQ(DescribeWindow(Editor(), english),
              L"Window name: Editor; Dimension: 800 x 600; Position (left/top/right/bottom): "
              L"100/50/900/650; zLevel: 12; Show: 1; Process-ID: 4242; Process path: "
              L"C:\\Tools\\editor.exe");
    EXPECT_EQ(
        DescribeWindowShort(Editor(), english),
        L"Window name: Editor [width x height: 800 x 600;  Process path: C:\\Tools\\editor.exe]");
    EXPECT_EQ(DescribeWindow(Editor(), german),
              L"Fenstername: Editor; Dimension: 800 x 600; Position (links/oben/rechts/unten): "
              L"100/50/900/650; zLevel: 12; Show: 1; Prozess-ID: 4242; Prozesspfad: "
              L"C:\\Tools\\editor.exe");
    EXPECT_EQ(
        DescribeWindowShort(Editor(), german),
        L"Fenstername: Editor [Breite x Höhe: 800 x 600;  Prozesspfad: C:\\Tools\\editor.exe]");
}

TEST_F(DescriptionsTest, DefaultRecordAndEmptyPath) {
    EXPECT_EQ(DescribeWindow(WindowRecord{}, english),
              L"Window name: ; Dimension: 0 x 0; Position (left/top/right/bottom): 0/0/0/0; "
              L"zLevel: 0; Show: 0; Process-ID: 0; Process path: ");
    EXPECT_EQ(DescribeWindowShort(WindowRecord{}, english),
              L"Window name:  [width x height: 0 x 0;  Process path: ]");
}

TEST_F(DescriptionsTest, NegativeNumbersKeepTheirSign) {
    WindowRecord record = Editor();
    record.rcNormalPosition = {-1820, 100, -1020, 700};
    EXPECT_NE(DescribeWindow(record, english)
                  .find(L"; Position (left/top/right/bottom): -1820/100/-1020/700;"),
              std::wstring::npos);
    record.rcNormalPosition = {900, 50, 100, 650};  // right of left
    EXPECT_NE(DescribeWindow(record, english).find(L"Dimension: -800 x 600"), std::wstring::npos);
    EXPECT_NE(DescribeWindowShort(record, english).find(L"[width x height: -800 x 600;"),
              std::wstring::npos);
}

TEST_F(DescriptionsTest, OnlyTheShortFormUpperCasesTheDriveLetter) {
    WindowRecord record = Editor();
    record.procPath = L"c:\\tools\\editor.exe";
    EXPECT_NE(DescribeWindowShort(record, english).find(L"Process path: C:\\tools\\editor.exe]"),
              std::wstring::npos);
    EXPECT_NE(DescribeWindow(record, english).find(L"Process path: c:\\tools\\editor.exe"),
              std::wstring::npos);
    record.procPath = L"\u00e4:\\x";  // only a to z are converted
    EXPECT_NE(DescribeWindowShort(record, english).find(L"Process path: \u00e4:\\x]"),
              std::wstring::npos);
}

TEST_F(DescriptionsTest, ListAllWindowsWritesOneLinePerRecordOrTheNothingLine) {
    testing::FakePlatform fake;
    CommandContext context(fake.platform());
    context.catalogue.CopySelectedTables();
    WindowModel& model = context.model;
    WindowCommands commands(context);
    model.CaptureWindows();
    commands.ListAllWindows();
    EXPECT_EQ(fake.controls.Lines(IDC_LB_INFO),
              std::vector<std::wstring>{
                  L"No window handles were received. There is nothing to display."});

    fake.controls.ListClear(IDC_LB_INFO);
    fake.windows.AddWindow(L"Bottom", {0, 0, 10, 10});
    fake.windows.AddWindow(L"Top", {0, 0, 10, 10});
    model.CaptureWindows();
    commands.ListAllWindows();
    const auto lines = fake.controls.Lines(IDC_LB_INFO);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind(L"Window name: Bottom;", 0), 0u);
    EXPECT_EQ(lines[1].rfind(L"Window name: Top;", 0), 0u);
}

}  // namespace
}  // namespace tilora
