#include "platform/win32/Win32DialogControls.h"

#include <commctrl.h>

#include <vector>

namespace tilora::win32 {
namespace {

// Tooltip texts wrap at this width instead of running across the screen.
constexpr int kTooltipWidthPx = 400;

HICON LoadIconOfSize(HINSTANCE instance, int iconId, int widthMetric, int heightMetric) {
    return static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                                           ::GetSystemMetrics(widthMetric),
                                           ::GetSystemMetrics(heightMetric), 0));
}

COLORREF ToColorref(const Rgb& colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

Rgb FromColorref(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

bool IsOwnerDrawnButton(HWND control) {
    wchar_t className[16] = {};
    ::GetClassNameW(control, className, 16);
    return ::lstrcmpiW(className, L"Button") == 0 &&
           (::GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
}

std::wstring WindowTextOf(HWND window) {
    const int length = ::GetWindowTextLengthW(window);
    if (length <= 0) return std::wstring();
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    const int copied = ::GetWindowTextW(window, buffer.data(), length + 1);
    return std::wstring(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

}  // namespace

Win32DialogControls::Win32DialogControls(HINSTANCE instance, int iconId)
    : instance_(instance),
      bigIcon_(LoadIconOfSize(instance, iconId, SM_CXICON, SM_CYICON)),
      smallIcon_(LoadIconOfSize(instance, iconId, SM_CXSMICON, SM_CYSMICON)) {}

// Under Wine every GetDlgItem asks the server for the dialog's children: on the log's paths it
// cost more than the list box's own work (reading 90,000 lines back took 3.2 s instead of 0.1 s).
// The dialog's controls live as long as the dialog, so each is looked up once.
HWND Win32DialogControls::Control(int controlId) const {
    const auto known = controls_.find(controlId);
    if (known != controls_.end()) return known->second;
    const HWND control = ::GetDlgItem(dialog_, controlId);
    if (control != nullptr) controls_.emplace(controlId, control);
    return control;
}

LRESULT Win32DialogControls::Send(int controlId, UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageW(Control(controlId), message, wParam, lParam);
}

WindowHandle Win32DialogControls::DialogWindow() const {
    return FromHwnd(dialog_);
}

void Win32DialogControls::SetCaption(const std::wstring& caption) {
    ::SetWindowTextW(dialog_, caption.c_str());
}

void Win32DialogControls::SetIcons() {
    ::SendMessageW(dialog_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.Get()));
    ::SendMessageW(dialog_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.Get()));
}

bool Win32DialogControls::IsMinimized() const {
    return ::IsIconic(dialog_) != FALSE;
}

Size Win32DialogControls::ClientSize() const {
    RECT rect{};
    ::GetClientRect(dialog_, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

Size Win32DialogControls::SystemIconSize() const {
    return {::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)};
}

void Win32DialogControls::DrawIcon(int x, int y) {
    if (paintDc_ == nullptr) return;
    ::SendMessageW(dialog_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(paintDc_), 0);
    ::DrawIcon(paintDc_, x, y, bigIcon_.Get());
}

void Win32DialogControls::DefaultPaint() {
    // BeginPaint has erased the background; the controls paint themselves.
}

void Win32DialogControls::SetDialogRedraw(bool redraw) {
    ::SendMessageW(dialog_, WM_SETREDRAW, redraw ? TRUE : FALSE, 0);
    // Invalidated only: the paint comes as the next WM_PAINT, never inside the one being handled.
    if (redraw) {
        ::RedrawWindow(dialog_, nullptr, nullptr,
                       RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
}

void Win32DialogControls::StartTimer(unsigned timerId, unsigned periodMs) {
    ::SetTimer(dialog_, timerId, periodMs, nullptr);
}

void Win32DialogControls::StopTimer(unsigned timerId) {
    ::KillTimer(dialog_, timerId);
}

void Win32DialogControls::EndDialog(int result) {
    ::EndDialog(dialog_, result);
}

bool Win32DialogControls::ConfirmOkCancel(const std::wstring& text, const std::wstring& caption) {
    // Owned by the dialog, so the dialog stays disabled while the box is open.
    return ::MessageBoxW(dialog_, text.c_str(), caption.c_str(), MB_OKCANCEL | MB_ICONHAND) == IDOK;
}

void Win32DialogControls::ShowInformationBox(const std::wstring& caption,
                                             const std::wstring& text) {
    ::MessageBoxW(dialog_, text.c_str(), caption.c_str(), MB_OK | MB_ICONWARNING);
}

void Win32DialogControls::SetText(int controlId, const std::wstring& text) {
    ::SetWindowTextW(Control(controlId), text.c_str());
}

std::wstring Win32DialogControls::Text(int controlId) const {
    return WindowTextOf(Control(controlId));
}

bool Win32DialogControls::IsChecked(int controlId) const {
    return Send(controlId, BM_GETCHECK) == BST_CHECKED;
}

void Win32DialogControls::SetChecked(int controlId, bool checked) {
    Send(controlId, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

int Win32DialogControls::ListAppend(int controlId, const std::wstring& line) {
    return static_cast<int>(
        Send(controlId, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str())));
}

int Win32DialogControls::ListCount(int controlId) const {
    return static_cast<int>(Send(controlId, LB_GETCOUNT));
}

std::wstring Win32DialogControls::ListLine(int controlId, int index) const {
    const LRESULT length = Send(controlId, LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length == LB_ERR || length <= 0) return std::wstring();
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    const LRESULT copied = Send(controlId, LB_GETTEXT, static_cast<WPARAM>(index),
                                reinterpret_cast<LPARAM>(buffer.data()));
    return copied == LB_ERR ? std::wstring()
                            : std::wstring(buffer.data(), static_cast<std::size_t>(copied));
}

// Deleting a line moves every line after it, and a painting box repaints for each: deleting the
// oldest lines of a full log one by one blocked the dialog for over a minute. Refilling the
// emptied box with the kept lines, with painting off and the storage allocated at once, was the
// fastest way measured that keeps every line a real string of the box (LB_GETTEXT, which screen
// readers use): about as much as adding those lines.
void Win32DialogControls::ListDeleteFirstLines(int controlId, int count) {
    const int total = ListCount(controlId);
    if (count <= 0) return;
    if (count >= total) {
        ListClear(controlId);
        return;
    }
    std::vector<std::wstring> kept;
    kept.reserve(static_cast<std::size_t>(total - count));
    std::size_t characters = 0;
    for (int index = count; index < total; ++index) {
        kept.push_back(ListLine(controlId, index));
        characters += kept.back().size() + 1;
    }
    const LRESULT selected = Send(controlId, LB_GETCURSEL);
    Send(controlId, WM_SETREDRAW, FALSE);
    Send(controlId, LB_RESETCONTENT);
    Send(controlId, LB_INITSTORAGE, static_cast<WPARAM>(kept.size()),
         static_cast<LPARAM>(characters * sizeof(wchar_t)));
    for (const std::wstring& line : kept) {
        Send(controlId, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    if (selected != LB_ERR && selected >= count) {
        Send(controlId, LB_SETCURSEL, static_cast<WPARAM>(selected - count));
    }
    if (listsNotPainting_.count(controlId) == 0) ListSetRedraw(controlId, true);
}

void Win32DialogControls::ListClear(int controlId) {
    Send(controlId, LB_RESETCONTENT);
}

void Win32DialogControls::ListSetTopIndex(int controlId, int index) {
    Send(controlId, LB_SETTOPINDEX, static_cast<WPARAM>(index));
}

void Win32DialogControls::ListSetHorizontalExtent(int controlId, int pixels) {
    Send(controlId, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(pixels));
}

void Win32DialogControls::ListSetRedraw(int controlId, bool redraw) {
    Send(controlId, WM_SETREDRAW, redraw ? TRUE : FALSE);
    if (!redraw) {
        listsNotPainting_.insert(controlId);
        return;
    }
    listsNotPainting_.erase(controlId);
    // The box does not repaint by itself when redrawing is allowed again.
    ::RedrawWindow(Control(controlId), nullptr, nullptr,
                   RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Win32DialogControls::ComboReset(int controlId) {
    Send(controlId, CB_RESETCONTENT);
}

void Win32DialogControls::ComboAdd(int controlId, const std::wstring& item) {
    Send(controlId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void Win32DialogControls::ComboSelect(int controlId, int index) {
    Send(controlId, CB_SETCURSEL, static_cast<WPARAM>(index));
}

int Win32DialogControls::ComboSelection(int controlId) const {
    return static_cast<int>(Send(controlId, CB_GETCURSEL));
}

int Win32DialogControls::ComboCount(int controlId) const {
    return static_cast<int>(Send(controlId, CB_GETCOUNT));
}

std::wstring Win32DialogControls::ComboItem(int controlId, int index) const {
    const LRESULT length = Send(controlId, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR || length <= 0) return std::wstring();
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    const LRESULT copied = Send(controlId, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                reinterpret_cast<LPARAM>(buffer.data()));
    return copied == CB_ERR ? std::wstring()
                            : std::wstring(buffer.data(), static_cast<std::size_t>(copied));
}

void Win32DialogControls::ComboSetDroppedWidth(int controlId, int pixels) {
    Send(controlId, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(pixels));
}

void Win32DialogControls::EditSelectAll(int controlId) {
    Send(controlId, EM_SETSEL, 0, -1);
}

void Win32DialogControls::EditScrollCaret(int controlId) {
    Send(controlId, EM_SCROLLCARET);
}

void Win32DialogControls::EditClearSelection(int controlId) {
    Send(controlId, WM_CLEAR);
}

void Win32DialogControls::SetButtonColours(int controlId, const ButtonColours& colours) {
    buttonColours_[controlId] = colours;
    const HWND button = Control(controlId);
    if (button != nullptr) ::InvalidateRect(button, nullptr, TRUE);
}

std::optional<Rect> Win32DialogControls::ControlScreenRect(int controlId) const {
    const HWND control = Control(controlId);
    RECT rect{};
    if (control == nullptr || ::GetWindowRect(control, &rect) == FALSE) return std::nullopt;
    return Rect{rect.left, rect.top, rect.right, rect.bottom};
}

bool Win32DialogControls::HighContrast() const {
    HIGHCONTRASTW highContrast{};
    highContrast.cbSize = sizeof(highContrast);
    if (::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(highContrast), &highContrast, 0) ==
        FALSE) {
        return false;
    }
    return (highContrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

Rgb Win32DialogControls::SystemColourOf(SystemColour colour) const {
    switch (colour) {
        case SystemColour::ButtonFace:
            return FromColorref(::GetSysColor(COLOR_BTNFACE));
        case SystemColour::ButtonText:
            return FromColorref(::GetSysColor(COLOR_BTNTEXT));
        case SystemColour::Highlight:
            return FromColorref(::GetSysColor(COLOR_HIGHLIGHT));
        case SystemColour::HighlightText:
            return FromColorref(::GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    return {};
}

void Win32DialogControls::TrackMouseLeave(WindowHandle window) {
    TRACKMOUSEEVENT request{};
    request.cbSize = sizeof(request);
    request.dwFlags = TME_LEAVE;
    request.hwndTrack = ToHwnd(window);
    request.dwHoverTime = 0;
    ::TrackMouseEvent(&request);
}

bool Win32DialogControls::DrawButton(const DRAWITEMSTRUCT& item) const {
    if (item.CtlType != ODT_BUTTON) return false;
    const auto found = buttonColours_.find(static_cast<int>(item.CtlID));
    const ButtonColours colours = found != buttonColours_.end()
                                      ? found->second
                                      : ButtonColours{FromColorref(::GetSysColor(COLOR_BTNFACE)),
                                                      FromColorref(::GetSysColor(COLOR_BTNTEXT))};
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const HDC dc = item.hDC;
    SavedDcState savedState(dc);

    RECT face = item.rcItem;
    const UniqueBrush brush(::CreateSolidBrush(ToColorref(colours.face)));
    if (brush) {
        ::FillRect(dc, &face, brush.Get());
    } else {
        ::FillRect(dc, &face, ::GetSysColorBrush(COLOR_BTNFACE));
    }
    ::DrawEdge(dc, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    // The caption is the window text, which is also the name screen readers announce.
    RECT textRect = item.rcItem;
    ::InflateRect(&textRect, -::GetSystemMetrics(SM_CXEDGE), -::GetSystemMetrics(SM_CYEDGE));
    if (pressed) ::OffsetRect(&textRect, 1, 1);
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    if (font != nullptr) ::SelectObject(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, (item.itemState & ODS_DISABLED) != 0 ? ::GetSysColor(COLOR_GRAYTEXT)
                                                            : ToColorref(colours.text));
    std::wstring caption = WindowTextOf(item.hwndItem);
    UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    if ((item.itemState & ODS_NOACCEL) != 0) format |= DT_HIDEPREFIX;
    ::DrawTextW(dc, caption.data(), static_cast<int>(caption.size()), &textRect, format);

    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        RECT focus = item.rcItem;
        ::InflateRect(&focus, -3, -3);
        ::SetTextColor(dc, RGB(0, 0, 0));
        ::SetBkColor(dc, RGB(255, 255, 255));
        ::DrawFocusRect(dc, &focus);
    }
    return true;
}

int Win32DialogControls::FocusedControl() const {
    // The edit field of a drop-down combo box is a child of the box with an ID of its own (1001,
    // which the dialog gives another control too): the box is the dialog's control.
    HWND focus = ::GetFocus();
    if (focus == nullptr || !::IsChild(dialog_, focus)) return 0;
    while (::GetAncestor(focus, GA_PARENT) != dialog_) focus = ::GetAncestor(focus, GA_PARENT);
    return ::GetDlgCtrlID(focus);
}

int Win32DialogControls::FocusedOwnerDrawnButton() const {
    const HWND focus = ::GetFocus();
    if (focus == nullptr || ::GetParent(focus) != dialog_ || !IsOwnerDrawnButton(focus)) return 0;
    return ::GetDlgCtrlID(focus);
}

TooltipHandle Win32DialogControls::CreateTooltip(WindowHandle ownerWindow, int controlId,
                                                 const std::wstring& text) {
    const HWND owner = ToHwnd(ownerWindow);
    const HWND control = ::GetDlgItem(owner, controlId);
    if (control == nullptr) return 0;
    if (!tooltip_ || !::IsWindow(tooltip_.Get()) || tooltipOwner_ != owner) {
        tooltip_.Reset(::CreateWindowExW(
            0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_BALLOON, CW_USEDEFAULT,
            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance_, nullptr));
        if (!tooltip_) return 0;
        tooltipOwner_ = owner;
        ::SendMessageW(tooltip_.Get(), TTM_SETMAXTIPWIDTH, 0, kTooltipWidthPx);
    }

    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    if (::SendMessageW(tooltip_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) == FALSE) {
        return 0;
    }
    return FromHwnd(control);
}

void Win32DialogControls::DestroyTooltip(TooltipHandle tooltip) {
    if (tooltip == 0 || !tooltip_ || !::IsWindow(tooltip_.Get())) return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = tooltipOwner_;
    tool.uId = reinterpret_cast<UINT_PTR>(ToHwnd(tooltip));
    ::SendMessageW(tooltip_.Get(), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace tilora::win32
