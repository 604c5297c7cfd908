#include <gtest/gtest.h>

#include "StartedDialogTest.h"

namespace tilora {
namespace {

using HelpAndMonitorButtonsTest = testing::StartedDialogTest;

TEST_F(HelpAndMonitorButtonsTest, OpenHelpOpensTheDocumentOfTheLanguageInEffect) {
    fake.shell.AddPath(context.paths.helpPdfPath);
    fake.shell.AddPath(context.paths.hilfePdfPath);
    dialog.OnButtonClicked(IDC_BN_OPENHELP);
    dialog.OnButtonClicked(IDC_BN_LANGUAGE);
    dialog.OnButtonClicked(IDC_BN_OPENHELP);
    ASSERT_EQ(fake.shell.calls().size(), 2u);
    EXPECT_EQ(fake.shell.calls()[0].file, context.paths.helpPdfPath);
    EXPECT_EQ(fake.shell.calls()[0].showCommand, 1);
    EXPECT_EQ(fake.shell.calls()[1].file, context.paths.hilfePdfPath);
    EXPECT_EQ(Lines(), (std::vector<std::wstring>{L"The button 'Open Help' was pressed.",
                                                  L"The button 'Eng/Ger' was pressed.",
                                                  L"Der Button 'Öffne Hilfe' wurde gedrückt."}));
}

TEST_F(HelpAndMonitorButtonsTest, AMissingHelpDocumentIsReportedWithTheWindowsErrorCode) {
    dialog.OnButtonClicked(IDC_BN_OPENHELP);
    EXPECT_EQ(Lines(), (std::vector<std::wstring>{
                           L"The button 'Open Help' was pressed.",
                           L"The command was not successful. The following windows error (decimal "
                           L"value) has occurred: 2"}));
}

TEST_F(HelpAndMonitorButtonsTest, AShellFailureWithoutALastErrorReportsTheShellsCode) {
    fake.shell.Fails(context.paths.helpPdfPath, {31, 0});
    dialog.OnButtonClicked(IDC_BN_OPENHELP);
    EXPECT_EQ(Lines().back(),
              L"The command was not successful. The following windows error (decimal value) has "
              L"occurred: 31");
}

TEST_F(HelpAndMonitorButtonsTest, ShowMonResWritesThePressLineThenTheReport) {
    dialog.OnButtonClicked(IDC_BN_SHOWMONRES);
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], L"The button 'Show MonRes' was pressed.");
    EXPECT_EQ(lines[1], L"Virtual Desktop Width: 1920, Virtual Desktop Height: 1080");
    EXPECT_EQ(lines[4], L"Monitor 1 - Width: 1920, Height: 1080");
}

TEST_F(HelpAndMonitorButtonsTest, WithStopCheckedTheDocumentStillOpens) {
    fake.shell.AddPath(context.paths.helpPdfPath);
    fake.controls.UserSetsCheck(IDC_CK_STOP, true);
    dialog.OnButtonClicked(IDC_CK_STOP);
    dialog.OnButtonClicked(IDC_BN_OPENHELP);
    dialog.OnButtonClicked(IDC_BN_SHOWMONRES);
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(fake.shell.calls().size(), 1u);
    EXPECT_EQ(context.monitors.monitorCount(), 1);
}

}  // namespace
}  // namespace tilora
