#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "CallJournal.h"
#include "platform/DialogControls.h"

namespace tilora::testing {

// The dialog's controls kept in memory; tests read them and play the user.
class FakeDialogControls : public DialogControls {
  public:
    struct ConfirmationBox {
        std::wstring text;
        std::wstring caption;
    };
    struct InformationBox {
        std::wstring caption;
        std::wstring text;
    };
    struct Tooltip {
        WindowHandle owner;
        int controlId;
        std::wstring text;
    };

    explicit FakeDialogControls(CallJournal& journal) : journal_(journal) {}

    WindowHandle DialogWindow() const override { return dialogWindow_; }
    void SetDialogWindow(WindowHandle window) { dialogWindow_ = window; }
    void SetCaption(const std::wstring& caption) override { caption_ = caption; }
    void SetIcons() override { journal_.Add("SetIcons"); }
    bool IsMinimized() const override { return minimized_; }
    Size ClientSize() const override { return clientSize_; }
    Size SystemIconSize() const override { return iconSize_; }
    void DrawIcon(int x, int y) override { drawnIcons_.push_back({x, y}); }
    void DefaultPaint() override { ++defaultPaints_; }
    void SetDialogRedraw(bool redraw) override {
        journal_.Add(redraw ? "DialogRedraw on" : "DialogRedraw off");
    }
    void StartTimer(unsigned timerId, unsigned periodMs) override;
    void StopTimer(unsigned timerId) override;
    void EndDialog(int result) override;
    bool ConfirmOkCancel(const std::wstring& text, const std::wstring& caption) override;
    void ShowInformationBox(const std::wstring& caption, const std::wstring& text) override;

    int FocusedControl() const override { return focusedControl_; }
    void SetText(int controlId, const std::wstring& text) override { texts_[controlId] = text; }
    std::wstring Text(int controlId) const override;

    bool IsChecked(int controlId) const override { return checked_.count(controlId) != 0; }
    void SetChecked(int controlId, bool checked) override;

    int ListAppend(int controlId, const std::wstring& line) override;
    int ListCount(int controlId) const override;
    std::wstring ListLine(int controlId, int index) const override;
    void ListDeleteFirstLines(int controlId, int count) override;
    void ListClear(int controlId) override { lists_[controlId].clear(); }
    void ListSetTopIndex(int controlId, int index) override;
    void ListSetHorizontalExtent(int controlId, int pixels) override {
        extents_[controlId] = pixels;
    }
    void ListSetRedraw(int controlId, bool redraw) override;

    void ComboReset(int controlId) override;
    void ComboAdd(int controlId, const std::wstring& item) override;
    void ComboSelect(int controlId, int index) override;
    int ComboSelection(int controlId) const override;
    int ComboCount(int controlId) const override;
    std::wstring ComboItem(int controlId, int index) const override;
    void ComboSetDroppedWidth(int controlId, int pixels) override { extents_[controlId] = pixels; }

    void EditSelectAll(int controlId) override { editSelectedAll_.insert(controlId); }
    void EditScrollCaret(int) override {}
    void EditClearSelection(int controlId) override;

    void SetButtonColours(int controlId, const ButtonColours& colours) override;
    std::optional<Rect> ControlScreenRect(int controlId) const override;
    bool HighContrast() const override { return highContrast_; }
    Rgb SystemColourOf(SystemColour colour) const override;
    void TrackMouseLeave(WindowHandle window) override { mouseLeaveRequests_.push_back(window); }

    TooltipHandle CreateTooltip(WindowHandle ownerWindow, int controlId,
                                const std::wstring& text) override;
    void DestroyTooltip(TooltipHandle tooltip) override { tooltips_.erase(tooltip); }

    // Playing the user.
    void UserSetsCheck(int controlId, bool checked) { SetChecked(controlId, checked); }
    void UserTypes(int controlId, const std::wstring& text);
    // The user moves the keyboard focus onto the control (0: off the dialog's controls).
    void UserFocuses(int controlId) { focusedControl_ = controlId; }
    void SetMinimized(bool minimized) { minimized_ = minimized; }
    // The user turns a high-contrast theme on or off; the system colours of such a theme are
    // SystemColourOf's.
    void SetHighContrast(bool on) { highContrast_ = on; }

    // Laying out the dialog: where a control is on the screen. Without a rectangle the control
    // does not exist.
    void PlaceControl(int controlId, const Rect& screenRect) {
        controlRects_[controlId] = screenRect;
    }
    // Moves every control by the offset, as moving the dialog does.
    void MoveControls(int dx, int dy);
    // How the user answers every confirmation box from now on: OK, or Cancel when false.
    void UserConfirms(bool ok) { confirmAnswer_ = ok; }

    // Reading what the dialog shows.
    const std::wstring& caption() const { return caption_; }
    std::vector<std::wstring> Lines(int controlId) const;
    // The lines as the fake holds them, for measuring the memory they take.
    const std::vector<std::wstring>& StoredLines(int controlId) { return lists_[controlId]; }
    std::vector<std::wstring> ComboItems(int controlId) const;
    int TopIndex(int controlId) const;
    // How the list box was driven: scrolls, lines added while it was painting, the sizes of the
    // blocks of old lines deleted, and whether it paints now.
    int TopIndexSets(int controlId) const;
    int AppendsWhileRedrawing(int controlId) const;
    const std::vector<int>& deletedBlocks() const { return deletedBlocks_; }
    bool Redrawing(int controlId) const { return noRedraw_.count(controlId) == 0; }
    const std::vector<InformationBox>& informationBoxes() const { return informationBoxes_; }
    int Extent(int controlId) const;
    // Texts of the tooltips that exist for the control.
    std::vector<std::wstring> TooltipTexts(int controlId) const;
    std::size_t TooltipCount() const { return tooltips_.size(); }
    // The colours a button is painted with now, and how often it was repainted.
    std::optional<ButtonColours> ButtonColoursOf(int controlId) const;
    int ButtonRepaints(int controlId) const;
    const std::vector<WindowHandle>& mouseLeaveRequests() const { return mouseLeaveRequests_; }
    const std::vector<Point>& drawnIcons() const { return drawnIcons_; }
    int defaultPaints() const { return defaultPaints_; }
    const std::map<unsigned, unsigned>& runningTimers() const { return runningTimers_; }
    int timerStarts() const { return timerStarts_; }
    const std::vector<ConfirmationBox>& confirmations() const { return confirmations_; }
    bool ended() const { return ended_; }
    int endResult() const { return endResult_; }

  private:
    struct Combo {
        std::vector<std::wstring> items;
        int selection = -1;
    };

    CallJournal& journal_;
    WindowHandle dialogWindow_ = 0;
    std::wstring caption_;
    bool minimized_ = false;
    Size clientSize_{443, 376};
    Size iconSize_{32, 32};
    std::vector<Point> drawnIcons_;
    int defaultPaints_ = 0;
    std::map<unsigned, unsigned> runningTimers_;
    int timerStarts_ = 0;
    bool ended_ = false;
    int endResult_ = 0;
    bool confirmAnswer_ = true;
    std::vector<ConfirmationBox> confirmations_;
    int focusedControl_ = 0;
    std::map<int, std::wstring> texts_;
    std::set<int> checked_;
    std::map<int, std::vector<std::wstring>> lists_;
    std::map<int, int> topIndex_;
    std::map<int, int> topIndexSets_;
    std::map<int, int> appendsWhileRedrawing_;
    std::set<int> noRedraw_;
    std::vector<int> deletedBlocks_;
    std::vector<InformationBox> informationBoxes_;
    std::map<int, int> extents_;
    std::map<int, Combo> combos_;
    std::set<int> editSelectedAll_;
    std::map<TooltipHandle, Tooltip> tooltips_;
    bool highContrast_ = false;
    std::map<int, Rect> controlRects_;
    std::map<int, ButtonColours> buttonColours_;
    std::map<int, int> buttonRepaints_;
    std::vector<WindowHandle> mouseLeaveRequests_;
    TooltipHandle nextTooltip_ = 0x5000;
};

}  // namespace tilora::testing
