#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/PlatformTypes.h"

namespace tilora {

// A tooltip window; 0 is none.
using TooltipHandle = std::int64_t;

// What a colour button is painted with.
struct ButtonColours {
    Rgb face;
    Rgb text;
    friend bool operator==(const ButtonColours&, const ButtonColours&) = default;
};

// What a combo box tells the dialog about the user's choice (CBN_SELCHANGE, CBN_SELENDOK,
// CBN_SELENDCANCEL, CBN_DROPDOWN, CBN_CLOSEUP).
enum class ComboNotification {
    SelectionChanged,
    SelectionEndOk,
    SelectionEndCancel,
    DroppedDown,
    ClosedUp
};

// The system colours the colour buttons use in a high-contrast theme.
enum class SystemColour { ButtonFace, ButtonText, Highlight, HighlightText };

// The controls of the main dialog, addressed by control ID, and the dialog window itself.
class DialogControls {
  public:
    virtual ~DialogControls() = default;

    // Dialog window.
    virtual WindowHandle DialogWindow() const = 0;
    virtual void SetCaption(const std::wstring& caption) = 0;
    virtual void SetIcons() = 0;
    virtual bool IsMinimized() const = 0;
    virtual Size ClientSize() const = 0;
    virtual Size SystemIconSize() const = 0;
    // Erases the icon background and draws the dialog's icon at x, y of the client area.
    virtual void DrawIcon(int x, int y) = 0;
    // Lets the dialog framework paint the dialog.
    virtual void DefaultPaint() = 0;
    // Holds the painting of the dialog and its controls; allowing it again paints them once.
    virtual void SetDialogRedraw(bool redraw) = 0;
    virtual void StartTimer(unsigned timerId, unsigned periodMs) = 0;
    virtual void StopTimer(unsigned timerId) = 0;
    virtual void EndDialog(int result) = 0;
    // A modal box owned by the dialog with OK and Cancel and the stop icon; true for OK.
    virtual bool ConfirmOkCancel(const std::wstring& text, const std::wstring& caption) = 0;
    // A modal box with an OK button, owned by the dialog, for a report the user must not miss
    // because the dialog is about to disappear.
    virtual void ShowInformationBox(const std::wstring& caption, const std::wstring& text) = 0;

    // The control that has the keyboard focus, a combo box also while its edit field has it; 0
    // when the focus is on no control of the dialog.
    virtual int FocusedControl() const = 0;

    // Any control's text (buttons, check boxes, labels, edit field).
    virtual void SetText(int controlId, const std::wstring& text) = 0;
    virtual std::wstring Text(int controlId) const = 0;

    // Check boxes.
    virtual bool IsChecked(int controlId) const = 0;
    virtual void SetChecked(int controlId, bool checked) = 0;

    // List box.
    virtual int ListAppend(int controlId, const std::wstring& line) = 0;  // index of the new line
    virtual int ListCount(int controlId) const = 0;
    virtual std::wstring ListLine(int controlId, int index) const = 0;
    // Removes the count oldest lines (fewer when the box holds fewer).
    virtual void ListDeleteFirstLines(int controlId, int count) = 0;
    virtual void ListClear(int controlId) = 0;
    virtual void ListSetTopIndex(int controlId, int index) = 0;
    virtual void ListSetHorizontalExtent(int controlId, int pixels) = 0;
    // While off, the box takes lines without painting or scrolling; turning it on repaints once.
    virtual void ListSetRedraw(int controlId, bool redraw) = 0;

    // Combo boxes.
    virtual void ComboReset(int controlId) = 0;
    virtual void ComboAdd(int controlId, const std::wstring& item) = 0;
    virtual void ComboSelect(int controlId, int index) = 0;  // -1 clears the selection
    virtual int ComboSelection(int controlId) const = 0;     // -1 when nothing is selected
    virtual int ComboCount(int controlId) const = 0;
    virtual std::wstring ComboItem(int controlId, int index) const = 0;
    virtual void ComboSetDroppedWidth(int controlId, int pixels) = 0;

    // Edit field.
    virtual void EditSelectAll(int controlId) = 0;
    virtual void EditScrollCaret(int controlId) = 0;
    virtual void EditClearSelection(int controlId) = 0;

    // Colour buttons: the colours a button is painted with from now on; it is repainted at once.
    virtual void SetButtonColours(int controlId, const ButtonColours& colours) = 0;
    // GetWindowRect of the control, in screen pixels; nothing when the dialog has no such control.
    virtual std::optional<Rect> ControlScreenRect(int controlId) const = 0;
    // SPI_GETHIGHCONTRAST: whether the user has turned on a high-contrast theme.
    virtual bool HighContrast() const = 0;
    // GetSysColor.
    virtual Rgb SystemColourOf(SystemColour colour) const = 0;
    // TrackMouseEvent(TME_LEAVE): one WM_MOUSELEAVE when the mouse leaves the window's client area.
    virtual void TrackMouseLeave(WindowHandle window) = 0;

    // Tooltips: a balloon tooltip owned by ownerWindow for the control; 0 when it cannot be made.
    virtual TooltipHandle CreateTooltip(WindowHandle ownerWindow, int controlId,
                                        const std::wstring& text) = 0;
    virtual void DestroyTooltip(TooltipHandle tooltip) = 0;
};

}  // namespace tilora
