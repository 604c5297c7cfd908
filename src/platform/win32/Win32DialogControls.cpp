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

}  // namespace

Win32DialogControls::Win32DialogControls(HINSTANCE instance, int iconId)
    : instance_(instance),
      bigIcon_(LoadIconOfSize(instance, iconId, SM_CXICON, SM_CYICON)),
      smallIcon_(LoadIconOfSize(instance, iconId, SM_CXSMICON, SM_CYSMICON)) {}

LRESULT Win32DialogControls::Send(int controlId, UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendDlgItemMessageW(dialog_, controlId, message, wParam, lParam);
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
    ::SetDlgItemTextW(dialog_, controlId, text.c_str());
}

std::wstring Win32DialogControls::Text(int controlId) const {
    const HWND control = ::GetDlgItem(dialog_, controlId);
    const int length = ::GetWindowTextLengthW(control);
    if (length <= 0) return std::wstring();
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
    const int copied = ::GetWindowTextW(control, buffer.data(), length + 1);
    return std::wstring(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

bool Win32DialogControls::IsChecked(int controlId) const {
    return ::IsDlgButtonChecked(dialog_, controlId) == BST_CHECKED;
}

void Win32DialogControls::SetChecked(int controlId, bool checked) {
    ::CheckDlgButton(dialog_, controlId, checked ? BST_CHECKED : BST_UNCHECKED);
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

void Win32DialogControls::ListDeleteFirstLines(int controlId, int count) {
    for (int deleted = 0; deleted < count; ++deleted) {
        if (Send(controlId, LB_DELETESTRING, 0) == LB_ERR) return;
    }
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
    if (!redraw) return;
    // The box does not repaint by itself when redrawing is allowed again.
    ::RedrawWindow(::GetDlgItem(dialog_, controlId), nullptr, nullptr,
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

TooltipHandle Win32DialogControls::CreateTooltip(WindowHandle ownerWindow, int controlId,
                                                 const std::wstring& text) {
    const HWND owner = ToHwnd(ownerWindow);
    const HWND control = ::GetDlgItem(owner, controlId);
    if (control == nullptr) return 0;
    if (tooltip_ == nullptr || !::IsWindow(tooltip_) || tooltipOwner_ != owner) {
        tooltip_ = ::CreateWindowExW(
            0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_BALLOON, CW_USEDEFAULT,
            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, instance_, nullptr);
        if (tooltip_ == nullptr) return 0;
        tooltipOwner_ = owner;
        ::SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, kTooltipWidthPx);
    }

    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    if (::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) == FALSE) {
        return 0;
    }
    return FromHwnd(control);
}

void Win32DialogControls::DestroyTooltip(TooltipHandle tooltip) {
    if (tooltip == 0 || tooltip_ == nullptr || !::IsWindow(tooltip_)) return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = tooltipOwner_;
    tool.uId = reinterpret_cast<UINT_PTR>(ToHwnd(tooltip));
    ::SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace tilora::win32
