// The colour buttons, their hover highlight, the keyboard and 'Top' of the real Tilora.exe,
// seen on the screen. The pointer is moved with SetCursorPos: Wine warps the X pointer with it,
// so Tilora receives the same motion a user's mouse makes.
#include <map>

#include "DesktopPrograms.h"
#include "TiloraTest.h"
#include "platform/ControlIds.h"

namespace tilora::e2e {
namespace {

using win32::testing::DesktopProgram;

// Generous: the machines are shared and Wine is slow under load. The polls end as soon as the
// colour is there.
constexpr auto kColourTimeout = std::chrono::seconds(10);

// The pixels of a screen area as it shows now, row by row.
std::vector<COLORREF> ScreenPixels(int left, int top, int width, int height) {
    if (width <= 0 || height <= 0) return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HDC screen = ::GetDC(nullptr);
    const HDC memory = ::CreateCompatibleDC(screen);
    const HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY);
    ::GdiFlush();

    std::vector<COLORREF> colours;
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (int i = 0; pixels != nullptr && i < width * height; ++i) {
        // The DIB holds blue, green, red from the lowest byte up.
        colours.push_back(RGB((pixels[i] >> 16) & 0xFF, (pixels[i] >> 8) & 0xFF, pixels[i] & 0xFF));
    }

    ::SelectObject(memory, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return colours;
}

// The colour most pixels inside the window's frame have on the screen now: the face of a
// colour button, whatever its caption and focus mark cover.
COLORREF DominantColour(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    std::map<COLORREF, int> counts;
    for (COLORREF colour : ScreenPixels(rect.left + 2, rect.top + 2, rect.right - rect.left - 4,
                                        rect.bottom - rect.top - 4)) {
        ++counts[colour];
    }
    COLORREF dominant = CLR_INVALID;
    int most = 0;
    for (const auto& [colour, count] : counts) {
        if (count > most) {
            most = count;
            dominant = colour;
        }
    }
    return dominant;
}

int Brightness(COLORREF colour) {
    return GetRValue(colour) + GetGValue(colour) + GetBValue(colour);
}

POINT Centre(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

class Chrome : public TiloraTest {
  protected:
    HWND Button(int controlId) const { return ::GetDlgItem(tilora.dialog(), controlId); }
    bool ShowsColour(int controlId, COLORREF colour) const {
        return WaitFor([&] { return DominantColour(Button(controlId)) == colour; }, kColourTimeout);
    }
    // A point of the dialog's own background: above 'Top', right of the first label.
    POINT Background() const {
        RECT top{};
        ::GetWindowRect(Button(IDC_CK_TOP), &top);
        return {top.left + 4, top.top - 6};
    }
    static void MouseTo(POINT point) { ::SetCursorPos(point.x, point.y); }
    // From the background onto the button: the dialog only learns that the mouse went onto a
    // button when it was over its background before, so the way is taken again until the
    // button lights up.
    bool HoverOnto(int controlId) const {
        const auto deadline = std::chrono::steady_clock::now() + kColourTimeout;
        while (std::chrono::steady_clock::now() < deadline) {
            MouseTo(Background());
            ::Sleep(200);
            MouseTo(Centre(Button(controlId)));
            if (WaitFor([&] { return DominantColour(Button(controlId)) == RGB(255, 0, 0); },
                        std::chrono::seconds(1))) {
                return true;
            }
        }
        return false;
    }
    void SetUp() override {
        TiloraTest::SetUp();
        // The mouse starts away from the dialog, whatever the previous scenario left.
        MouseTo({1800, 1000});
    }
};

TEST_F(Chrome, ShowMonResIsYellowAndPasteSizeWhite) {
    EXPECT_TRUE(ShowsColour(IDC_BN_SHOWMONRES, RGB(255, 255, 0)))
        << std::hex << DominantColour(Button(IDC_BN_SHOWMONRES));
    EXPECT_TRUE(ShowsColour(IDC_BN_PASTESIZE, RGB(255, 255, 255)))
        << std::hex << DominantColour(Button(IDC_BN_PASTESIZE));
}

TEST_F(Chrome, ThePointerOnApplyTurnsItRedAndAwayRestoresItsFace) {
    POINT background = Background();
    ::ScreenToClient(tilora.dialog(), &background);
    ASSERT_EQ(::ChildWindowFromPointEx(tilora.dialog(), background, CWP_ALL), tilora.dialog())
        << "the background point lies on a control";
    ASSERT_TRUE(ShowsColour(IDC_BN_APPLY, RGB(255, 239, 213)));

    ASSERT_TRUE(HoverOnto(IDC_BN_APPLY)) << std::hex << DominantColour(Button(IDC_BN_APPLY));
    MouseTo(Background());
    EXPECT_TRUE(ShowsColour(IDC_BN_APPLY, RGB(255, 239, 213)))
        << std::hex << DominantColour(Button(IDC_BN_APPLY));

    // Straight out of the dialog: the timer notices.
    ASSERT_TRUE(HoverOnto(IDC_BN_APPLY));
    MouseTo({1800, 1000});
    EXPECT_TRUE(ShowsColour(IDC_BN_APPLY, RGB(255, 239, 213)))
        << std::hex << DominantColour(Button(IDC_BN_APPLY));
}

TEST_F(Chrome, APointerRestingOnAButtonShowsItsTooltip) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(tilora.dialog(), &processId);
    const POINT apply = Centre(Button(IDC_BN_APPLY));
    auto shown = [&] {
        return VisibleWindowOfProcess(processId, [](HWND window) {
                   return ClassOf(window) == L"tooltips_class32";
               }) != nullptr;
    };
    // The tooltip appears once the pointer has rested on the button for a moment; the way onto
    // it is taken again until it does.
    const auto deadline = std::chrono::steady_clock::now() + kColourTimeout;
    while (!shown() && std::chrono::steady_clock::now() < deadline) {
        MouseTo(Background());
        ::Sleep(100);
        MouseTo({apply.x - 1, apply.y});
        ::Sleep(50);
        MouseTo(apply);
        WaitFor(shown, std::chrono::seconds(2));
    }
    EXPECT_TRUE(shown());
}

TEST_F(Chrome, APressedColourButtonIsDrawnSunken) {
    const HWND button = Button(IDC_BN_PASTESIZE);
    ASSERT_TRUE(ShowsColour(IDC_BN_PASTESIZE, RGB(255, 255, 255)));
    RECT rect{};
    ::GetWindowRect(button, &rect);
    // The frame's top-left corner: light while the button is up, shadowed while it is down.
    auto corner = [&] { return ScreenPixels(rect.left, rect.top, 1, 1).at(0); };
    const COLORREF up = corner();
    ::SendMessageW(button, BM_SETSTATE, TRUE, 0);
    EXPECT_TRUE(WaitFor([&] { return Brightness(corner()) < Brightness(up); }))
        << std::hex << up << " " << corner();
    ::SendMessageW(button, BM_SETSTATE, FALSE, 0);
    EXPECT_TRUE(WaitFor([&] { return corner() == up; })) << std::hex << up << " " << corner();
    // Only the look changed: nothing was pressed.
    for (const std::wstring& line : NewLogLines()) {
        EXPECT_EQ(line.find(L"was pressed"), std::wstring::npos) << line;
    }
}

TEST_F(Chrome, SpaceAndEnterPressTheFocusedColourButton) {
    const HWND button = Button(IDC_BN_SHOWMONRES);
    // The caption is the window text, which screen readers announce.
    EXPECT_EQ(tilora.WindowText(button), L"Show MonRes");
    ::SendMessageW(tilora.dialog(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button), TRUE);
    const std::wstring pressed = L"The button 'Show MonRes' was pressed.";
    auto pressLines = [&] {
        const auto lines = NewLogLines();
        return std::count(lines.begin(), lines.end(), pressed);
    };

    ::PostMessageW(button, WM_KEYDOWN, VK_SPACE, 0x00390001);
    ::PostMessageW(button, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
    EXPECT_TRUE(WaitFor([&] { return pressLines() == 1; })) << pressLines();

    ::PostMessageW(button, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    ::PostMessageW(button, WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC01C0001u));
    EXPECT_TRUE(WaitFor([&] { return pressLines() == 2; })) << pressLines();
}

TEST_F(Chrome, TopKeepsTheDialogAboveANotepadActivatedAfterwards) {
    DesktopProgram notepad(L"notepad.exe", L"Notepad");
    ASSERT_NE(notepad.window(), nullptr);
    // Notepad opens over the dialog and covers Show MonRes.
    ::SetForegroundWindow(notepad.window());
    ASSERT_TRUE(WaitFor([&] {
        return DominantColour(Button(IDC_BN_SHOWMONRES)) != RGB(255, 255, 0);
    })) << "notepad does not cover the dialog";

    tilora.Click(IDC_CK_TOP);
    ASSERT_TRUE(tilora.IsChecked(IDC_CK_TOP));
    EXPECT_TRUE(WaitFor(
        [&] { return (::GetWindowLongW(tilora.dialog(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }));
    EXPECT_TRUE(ShowsColour(IDC_BN_SHOWMONRES, RGB(255, 255, 0)))
        << std::hex << DominantColour(Button(IDC_BN_SHOWMONRES));

    ::SetForegroundWindow(notepad.window());
    ASSERT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == notepad.window(); }));
    // Still above notepad in the stacking order, and what the pointer would hit. (Wine's X11
    // driver without a window manager raises the activated X window over a topmost one, so the
    // screen itself is not asked here.)
    bool notepadBelow = false;
    for (HWND below = ::GetWindow(tilora.dialog(), GW_HWNDNEXT); below != nullptr;
         below = ::GetWindow(below, GW_HWNDNEXT)) {
        if (below == notepad.window()) notepadBelow = true;
    }
    EXPECT_TRUE(notepadBelow);
    EXPECT_EQ(::WindowFromPoint(Centre(Button(IDC_BN_SHOWMONRES))), Button(IDC_BN_SHOWMONRES));
}

}  // namespace
}  // namespace tilora::e2e
