#include <filesystem>
#include <gtest/gtest.h>

#include "StartedDialogTest.h"
#include "commands/TimerWork.h"
#include "files/PathText.h"
#include "files/TextFile.h"

namespace tilora {
namespace {

class TimerTest : public testing::StartedDialogTest {
  protected:
    void Tick() {
        fake.clock.Advance(500);
        dialog.OnTimer();
    }
};

TEST_F(TimerTest, TheFirstTickReportsTheMonitorsAndSavesTheWindowsOnce) {
    fake.windows.AddWindow(L"Editor", {100, 50, 900, 650});
    Tick();
    const std::wstring path = context.paths.exportsDir + L"SaveAuto_2024-03-07_09.05.03.txt";
    const std::wstring separator(500, L'-');
    EXPECT_EQ(Lines(),
              (std::vector<std::wstring>{
                  separator, L"Virtual Desktop Width: 1920, Virtual Desktop Height: 1080",
                  L"Number of identified Monitors: 1", L"Monitor Properties: ",
                  L"Monitor 1 - Width: 1920, Height: 1080", separator,
                  L"The following file with all window sizes and positions was automatically "
                  L"created and saved in the _Exports folder: " +
                      path}));
    std::vector<std::wstring> saved;
    ASSERT_EQ(ReadTextLines(path, saved), 2);
    EXPECT_EQ(saved[1].rfind(L"Window name: Editor; Dimension: 800 x 600;", 0), 0u);
    EXPECT_EQ(context.model.restorePoint().size(), 2u);
    EXPECT_EQ(context.model.startSnapshot(), context.model.restorePoint());

    fake.controls.ListClear(IDC_LB_INFO);
    Tick();
    EXPECT_TRUE(Lines().empty());
    EXPECT_EQ(context.session.tickCount, 2);
}

TEST_F(TimerTest, AnAutomaticSaveThatFailsIsNotReportedAsSaved) {
    std::filesystem::remove_all(ToPath(context.paths.exportsDir));
    Tick();
    EXPECT_EQ(Lines().back().rfind(L" ! The following file could not be written: ", 0), 0u);
}

TEST_F(TimerTest, TheLastActiveWindowFollowsTheForegroundButNeverTheDialog) {
    const WindowHandle a = fake.windows.AddWindow(L"A", {0, 0, 10, 10});
    const WindowHandle b = fake.windows.AddWindow(L"B", {0, 0, 10, 10});
    Tick();  // seeds with the top-most foreign window, B
    fake.controls.ListClear(IDC_LB_INFO);
    EXPECT_EQ(context.model.lastActiveWindow(), b);

    fake.windows.SetForeground(a);
    Tick();
    fake.windows.SetForeground(own);
    Tick();
    fake.windows.SetForeground(a);
    Tick();
    const WindowHandle tool = fake.windows.AddWindow(L"Tool", {0, 0, 10, 10});
    fake.windows.window(tool).extendedStyle = kWsExToolWindow;
    fake.windows.SetForeground(tool);
    Tick();
    EXPECT_EQ(Lines(), std::vector<std::wstring>{L"New last active Window: A"});
    EXPECT_EQ(context.model.lastActiveWindow(), a);
}

TEST_F(TimerTest, AForegroundWindowTheCaptureLeftOutIsCapturedAgainOnlyWhenSomethingChanged) {
    fake.windows.AddWindow(L"Editor", {0, 0, 10, 10});
    const WindowHandle tool = fake.windows.AddWindow(L"Tool", {0, 0, 10, 10});
    fake.windows.window(tool).extendedStyle = kWsExToolWindow;
    Tick();
    fake.windows.SetForeground(tool);
    Tick();
    const std::uint64_t captures = context.model.captureNumber();
    fake.windows.ResetCallCounts();
    Tick();
    Tick();
    EXPECT_EQ(context.model.captureNumber(), captures);
    // Nor is it sent a message: asking for its title would wake its program on every tick.
    EXPECT_EQ(fake.windows.CallsTo(testing::FakeWindowManager::Method::WindowTextLength), 0);

    // Another window in front is captured; the tool window, still left out, is not again.
    const WindowHandle mail = fake.windows.AddWindow(L"Mail", {0, 0, 10, 10});
    fake.windows.SetForeground(mail);
    Tick();
    fake.windows.SetForeground(tool);
    Tick();
    EXPECT_EQ(context.model.captureNumber(), captures + 1);

    // The same window, no longer left out for the reason it was.
    fake.windows.window(tool).extendedStyle = 0;
    fake.controls.ListClear(IDC_LB_INFO);
    Tick();
    EXPECT_EQ(Lines(), std::vector<std::wstring>{L"New last active Window: Tool"});
}

TEST_F(TimerTest, AnotherProgramsWindowUnderTheHandleOfAClosedOneIsANewActiveWindow) {
    const WindowHandle editor = fake.windows.AddWindow(L"Editor", {0, 0, 10, 10}, 1000);
    Tick();
    ASSERT_EQ(context.model.lastActiveWindow(), editor);
    fake.windows.CloseWindow(editor);
    fake.windows.AddProcess(2000, {L"mail.exe", L"C:\\mail.exe", false, false, false, 1});
    fake.windows.AddWindowReusing(editor, L"Mail", {0, 0, 10, 10}, 2000);
    fake.windows.SetForeground(editor);
    fake.controls.ListClear(IDC_LB_INFO);
    Tick();
    EXPECT_EQ(Lines(), std::vector<std::wstring>{L"New last active Window: Mail"});
    Tick();
    EXPECT_EQ(Lines().size(), 1u);

    // The same handle again, and the ended process's id handed to a new process as well.
    fake.windows.CloseWindow(editor);
    fake.windows.AddProcess(2000, {L"mail.exe", L"C:\\mail.exe", false, false, false, 99});
    fake.windows.AddWindowReusing(editor, L"Mail again", {0, 0, 10, 10}, 2000);
    fake.windows.SetForeground(editor);
    Tick();
    EXPECT_EQ(Lines().back(), L"New last active Window: Mail again");
    EXPECT_EQ(Lines().size(), 2u);
}

TEST_F(TimerTest, TheMousePositionIsReportedOnlyWhileCheckedAndWhenItMoved) {
    Tick();
    fake.controls.ListClear(IDC_LB_INFO);
    fake.windows.SetCursor({512, 384});
    Tick();
    EXPECT_TRUE(Lines().empty());
    fake.controls.SetChecked(IDC_CK_MOUSE, true);
    Tick();
    Tick();
    fake.windows.SetCursor({-5, 7});
    Tick();
    EXPECT_EQ(Lines(), (std::vector<std::wstring>{L"Mouse position: x=512; y=384",
                                                  L"Mouse position: x=-5; y=7"}));
}

}  // namespace
}  // namespace tilora
