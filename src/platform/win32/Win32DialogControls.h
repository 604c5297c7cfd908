#pragma once

#include <windows.h>

#include <map>
#include <set>

#include "platform/DialogControls.h"
#include "platform/win32/Win32Handles.h"

namespace tilora::win32 {

// The real dialog's controls. Attach() binds it to the dialog window once that exists.
class Win32DialogControls : public DialogControls {
  public:
    // Loads the application icon in the big and small system sizes.
    Win32DialogControls(HINSTANCE instance, int iconId);

    void Attach(HWND dialog) {
        dialog_ = dialog;
        controls_.clear();
    }
    HWND dialog() const { return dialog_; }
    HICON bigIcon() const { return bigIcon_.Get(); }
    // The device context of the WM_PAINT being handled, for DrawIcon.
    void SetPaintDc(HDC dc) { paintDc_ = dc; }

    void SetCaption(const std::wstring& caption) override;
    void SetIcons() override;
    bool IsMinimized() const override;
    Size ClientSize() const override;
    Size SystemIconSize() const override;
    void DrawIcon(int x, int y) override;
    void DefaultPaint() override;
    WindowHandle DialogWindow() const override;
    void SetDialogRedraw(bool redraw) override;
    void StartTimer(unsigned timerId, unsigned periodMs) override;
    void StopTimer(unsigned timerId) override;
    void EndDialog(int result) override;
    bool ConfirmOkCancel(const std::wstring& text, const std::wstring& caption) override;
    void ShowInformationBox(const std::wstring& caption, const std::wstring& text) override;

    int FocusedControl() const override;
    void SetText(int controlId, const std::wstring& text) override;
    std::wstring Text(int controlId) const override;

    bool IsChecked(int controlId) const override;
    void SetChecked(int controlId, bool checked) override;

    int ListAppend(int controlId, const std::wstring& line) override;
    int ListCount(int controlId) const override;
    std::wstring ListLine(int controlId, int index) const override;
    void ListDeleteFirstLines(int controlId, int count) override;
    void ListClear(int controlId) override;
    void ListSetTopIndex(int controlId, int index) override;
    void ListSetHorizontalExtent(int controlId, int pixels) override;
    void ListSetRedraw(int controlId, bool redraw) override;

    void ComboReset(int controlId) override;
    void ComboAdd(int controlId, const std::wstring& item) override;
    void ComboSelect(int controlId, int index) override;
    int ComboSelection(int controlId) const override;
    int ComboCount(int controlId) const override;
    std::wstring ComboItem(int controlId, int index) const override;
    void ComboSetDroppedWidth(int controlId, int pixels) override;

    void EditSelectAll(int controlId) override;
    void EditScrollCaret(int controlId) override;
    void EditClearSelection(int controlId) override;

    void SetButtonColours(int controlId, const ButtonColours& colours) override;
    std::optional<Rect> ControlScreenRect(int controlId) const override;
    bool HighContrast() const override;
    Rgb SystemColourOf(SystemColour colour) const override;
    void TrackMouseLeave(WindowHandle window) override;

    // Paints an owner-drawn button of the dialog (WM_DRAWITEM); false for any other item.
    bool DrawButton(const DRAWITEMSTRUCT& item) const;
    // The owner-drawn button that has the keyboard focus, as the default button the dialog
    // presses on Enter (DM_GETDEFID); 0 when the focus is elsewhere. A system push button becomes
    // the default button when it gets the focus; an owner-drawn one does not by itself.
    int FocusedOwnerDrawnButton() const;

    // Every control's tip is a tool of one tooltip control, so the dialog adds one hidden
    // top-level window rather than one per control; a tip's handle is its control's window.
    TooltipHandle CreateTooltip(WindowHandle ownerWindow, int controlId,
                                const std::wstring& text) override;
    void DestroyTooltip(TooltipHandle tooltip) override;

  private:
    HWND Control(int controlId) const;
    LRESULT Send(int controlId, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    HINSTANCE instance_;
    HWND dialog_ = nullptr;
    mutable std::map<int, HWND> controls_;
    HDC paintDc_ = nullptr;
    // A top-level window of its own rather than one owned by the dialog: Wine slots a window
    // that owns a topmost pop-up in below that pop-up when asked to make it topmost, and the
    // dialog then never becomes topmost.
    UniqueWindow tooltip_;
    HWND tooltipOwner_ = nullptr;
    std::map<int, ButtonColours> buttonColours_;
    // The list boxes told to stop painting, which making room must leave that way.
    std::set<int> listsNotPainting_;
    UniqueIcon bigIcon_;
    UniqueIcon smallIcon_;
};

}  // namespace tilora::win32
