#include <gtest/gtest.h>

#include "ContextTest.h"
#include "commands/HelpAndMonitorButtons.h"

namespace tilora {
namespace {

class MonitorsTest : public testing::ContextTest {
  protected:
    void ReportMonitors() { tilora::ReportMonitors(context); }
};

TEST_F(MonitorsTest, OneMonitorAtTheOrigin) {
    ReportMonitors();
    const std::pair<int, int> keys[] = {{11, 0},    {12, 0},    {13, 1920},
                                        {14, 1080}, {15, 1920}, {16, 1080}};
    for (const auto& [key, value] : keys) EXPECT_EQ(monitors.MonitorTable(key), value) << key;
    EXPECT_EQ(monitors.MonitorTable(21), 0);
    EXPECT_EQ(Lines(), (std::vector<std::wstring>{
                           L"Virtual Desktop Width: 1920, Virtual Desktop Height: 1080",
                           L"Number of identified Monitors: 1", L"Monitor Properties: ",
                           L"Monitor 1 - Width: 1920, Height: 1080"}));
}

TEST_F(MonitorsTest, ASecondMonitorLeftOfTheFirstInGerman) {
    fake.windows.SetMonitors({{0, 0, 1920, 1080}, {-1280, -200, 0, 824}});
    fake.windows.SetVirtualScreen({3200, 1280});
    catalogue.SetCurrentLanguage(L"German");
    catalogue.CopySelectedTables();
    ReportMonitors();
    EXPECT_EQ(monitors.monitorCount(), 2);
    EXPECT_EQ(monitors.Value(2, Monitors::Left), -1280);
    EXPECT_EQ(monitors.Value(2, Monitors::Top), -200);
    EXPECT_EQ(monitors.Value(2, Monitors::Width), 1280);
    EXPECT_EQ(monitors.Value(2, Monitors::Height), 1024);
    EXPECT_EQ(Lines(), (std::vector<std::wstring>{
                           L"Virtuelle Desktop Breite: 3200, Virtuelle Desktop Höhe: 1280",
                           L"Anzahl identifizierter Monitore: 2", L"Monitor Eigenschaften: ",
                           L"Monitor 1 - Breite: 1920, Höhe: 1080",
                           L"Monitor 2 - Breite: 1280, Höhe: 1024"}));
}

TEST_F(MonitorsTest, AMonitorThatIsGoneKeepsItsOldKeys) {
    fake.windows.SetMonitors({{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}});
    ReportMonitors();
    fake.windows.SetMonitors({});
    ReportMonitors();
    EXPECT_EQ(monitors.monitorCount(), 0);
    EXPECT_EQ(monitors.Value(2, Monitors::Right), 3200);
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 8u);  // five lines, then three with no monitor line
    EXPECT_EQ(lines[6], L"Number of identified Monitors: 0");
    EXPECT_EQ(lines[7], L"Monitor Properties: ");
}

}  // namespace
}  // namespace tilora
