// Copy Size and Paste Size between two real notepad windows, and the confirmation box a paste
// without a copy asks, driven through the real Tilora.exe.
#include <fstream>
#include <memory>
#include <thread>

#include "DesktopPrograms.h"
#include "TiloraTest.h"
#include "platform/ControlIds.h"

namespace tilora::e2e {
namespace {

using win32::testing::DesktopProgram;
using win32::testing::WindowRect;

std::string Describe(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

bool Equal(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class Size : public TiloraTest {
  protected:
    // The notepads open after the start-up report, so neither is the last active window yet
    // and each activation below writes its line.
    void SetUp() override {
        TiloraTest::SetUp();
        for (const wchar_t* name : {L"first.txt", L"second.txt"}) {
            std::ofstream(folder.path() / name) << "text";
        }
        first = std::make_unique<DesktopProgram>(L"notepad.exe first.txt", L"first", folder.path());
        second =
            std::make_unique<DesktopProgram>(L"notepad.exe second.txt", L"second", folder.path());
        ASSERT_NE(first->window(), nullptr);
        ASSERT_NE(second->window(), nullptr);
        ASSERT_TRUE(first->PlaceAt(firstRect));
        ASSERT_TRUE(second->PlaceAt(secondRect));
    }
    std::unique_ptr<DesktopProgram> first;
    std::unique_ptr<DesktopProgram> second;
    const RECT firstRect{100, 100, 700, 500};
    const RECT secondRect{800, 200, 1200, 500};
};

TEST_F(Size, CopySizeThenPasteSizeGivesTheSecondWindowTheFirstOnesSize) {
    ASSERT_TRUE(MakeLastActive(first->window()));
    tilora.Click(IDC_BN_COPYSIZE);
    auto lines = tilora.LogLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], L"The button 'Copy Size' was pressed.");
    EXPECT_EQ(lines.back(), L"The following window size was copied: 600 x 400 pixel.");

    ASSERT_TRUE(MakeLastActive(second->window()));
    tilora.Click(IDC_BN_PASTESIZE);
    const RECT pasted{800, 200, 1400, 600};
    EXPECT_TRUE(WaitFor([&] { return Equal(WindowRect(second->window()), pasted); }))
        << Describe(WindowRect(second->window()));
    EXPECT_TRUE(Equal(WindowRect(first->window()), firstRect))
        << Describe(WindowRect(first->window()));
    lines = tilora.LogLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], L"The button 'Paste Size' was pressed.");
    EXPECT_EQ(lines.back().rfind(L"The copied window size was pasted to: second.txt", 0), 0u);
    EXPECT_NE(lines.back().find(L"notepad.exe]."), std::wstring::npos);
}

TEST_F(Size, PasteSizeWithoutACopyAsksAndCancelLeavesTheWindow) {
    ASSERT_TRUE(MakeLastActive(second->window()));
    const std::size_t before = tilora.LogLines().size();
    // A sent click would not return while the box is open.
    tilora.PostClick(IDC_BN_PASTESIZE);
    const HWND box = tilora.WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "no confirmation box appeared";
    EXPECT_EQ(tilora.MessageBoxText(box),
              L"Attention, no window size has been copied to the clipboard within this Windows "
              L"cycle or the copy event was a long time ago. The initialization value 100x100 will "
              L"be applied. Continue anyway?");
    EXPECT_EQ(tilora.WindowText(box), L"Tilora");
    tilora.AnswerMessageBox(box, IDCANCEL);
    EXPECT_TRUE(WaitFor([&] { return !::IsWindow(box); }));

    // Long enough for a paste that should not happen to show.
    std::this_thread::sleep_for(std::chrono::seconds(1));
    EXPECT_TRUE(Equal(WindowRect(second->window()), secondRect))
        << Describe(WindowRect(second->window()));
    const auto lines = tilora.LogLines();
    ASSERT_EQ(lines.size(), before + 1);
    EXPECT_EQ(lines.back(), L"The button 'Paste Size' was pressed.");
}

}  // namespace
}  // namespace tilora::e2e
