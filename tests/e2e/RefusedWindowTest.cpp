// A window whose program vetoes every move while the calls that ask for it succeed (Wine lets a
// program do that; it has no programs with higher rights): Apply reports it once, puts the
// other windows back all the same, and writes no other failure.
#include "DesktopPrograms.h"
#include "HungWindow.h"
#include "TiloraTest.h"
#include "platform/ControlIds.h"

namespace tilora::e2e {
namespace {

using win32::testing::DesktopProgram;
using win32::testing::HungWindowCommandLine;
using win32::testing::kRefuseMoves;
using win32::testing::WindowRect;

constexpr wchar_t kRefusingTitle[] = L"Tilora refusing window";

bool Equal(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class RefusedWindow : public TiloraTest {
  protected:
    DesktopProgram refusing{HungWindowCommandLine(kRefusingTitle), kRefusingTitle};
    DesktopProgram notes{HungWindowCommandLine(L"Tilora notes"), L"Tilora notes"};
};

TEST_F(RefusedWindow, ApplyReportsItOnceAndPutsTheOthersBack) {
    const RECT refusingSaved{300, 200, 700, 500};
    const RECT notesSaved{800, 150, 1400, 600};
    ASSERT_TRUE(refusing.PlaceAt(refusingSaved));
    ASSERT_TRUE(notes.PlaceAt(notesSaved));
    tilora.SetText(IDC_ED_USERINPUT, L"Refusing");
    tilora.Click(IDC_BN_SAVEAS);

    const RECT refusingMoved{50, 600, 450, 900};
    ASSERT_TRUE(refusing.PlaceAt(refusingMoved));
    ASSERT_TRUE(notes.PlaceAt({100, 100, 500, 400}));
    ::SendMessageW(refusing.window(), kRefuseMoves, 0, 0);
    const std::size_t before = tilora.LogLines().size();
    tilora.Click(IDC_BN_APPLY);

    EXPECT_TRUE(WaitFor([&] { return Equal(WindowRect(notes.window()), notesSaved); }));
    EXPECT_TRUE(Equal(WindowRect(refusing.window()), refusingMoved));
    const auto lines = tilora.LogLines();
    std::vector<std::wstring> failures;
    for (std::size_t i = before; i < lines.size(); ++i) {
        if (lines[i].rfind(L" ! ", 0) == 0) failures.push_back(lines[i]);
    }
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].rfind(L" ! Window name: " + std::wstring(kRefusingTitle) + L" [", 0), 0u);
}

}  // namespace
}  // namespace tilora::e2e
