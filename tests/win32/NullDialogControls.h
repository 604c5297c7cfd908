// Dialog controls for running the core's operations without a dialog.
#pragma once

#include <string>
#include <vector>

#include "platform/DialogControls.h"

namespace tilora::win32::testing {

// Controls for running the core without a dialog: the log keeps its lines, check boxes are clear.
class NullDialogControls : public DialogControls {
  public:
    void SetCaption(const std::wstring&) override {}
    void SetIcons() override {}
    bool IsMinimized() const override { return false; }
    Size ClientSize() const override { return {}; }
    Size SystemIconSize() const override { return {}; }
    void DrawIcon(int, int) override {}
    void DefaultPaint() override {}
    WindowHandle DialogWindow() const override { return 0; }
    void SetDialogRedraw(bool) override {}
    void StartTimer(unsigned, unsigned) override {}
    void StopTimer(unsigned) override {}
    void EndDialog(int) override {}
    bool ConfirmOkCancel(const std::wstring&, const std::wstring&) override { return false; }
    void ShowInformationBox(const std::wstring&, const std::wstring&) override {}
    int FocusedControl() const override { return 0; }
    void SetText(int, const std::wstring&) override {}
    std::wstring Text(int) const override { return {}; }
    bool IsChecked(int) const override { return false; }
    void SetChecked(int, bool) override {}
    int ListAppend(int, const std::wstring& line) override {
        lines.push_back(line);
        return static_cast<int>(lines.size()) - 1;
    }
    int ListCount(int) const override { return static_cast<int>(lines.size()); }
    std::wstring ListLine(int, int index) const override {
        return lines.at(static_cast<std::size_t>(index));
    }
    void ListDeleteFirstLines(int, int) override {}
    void ListClear(int) override { lines.clear(); }
    void ListSetTopIndex(int, int) override {}
    void ListSetHorizontalExtent(int, int) override {}
    void ListSetRedraw(int, bool) override {}
    void ComboReset(int) override {}
    void ComboAdd(int, const std::wstring&) override {}
    void ComboSelect(int, int) override {}
    int ComboSelection(int) const override { return -1; }
    int ComboCount(int) const override { return 0; }
    std::wstring ComboItem(int, int) const override { return {}; }
    void ComboSetDroppedWidth(int, int) override {}
    void EditSelectAll(int) override {}
    void EditScrollCaret(int) override {}
    void EditClearSelection(int) override {}
    void SetButtonColours(int, const ButtonColours&) override {}
    std::optional<Rect> ControlScreenRect(int) const override { return std::nullopt; }
    bool HighContrast() const override { return false; }
    Rgb SystemColourOf(SystemColour) const override { return {}; }
    void TrackMouseLeave(WindowHandle) override {}
    TooltipHandle CreateTooltip(WindowHandle, int, const std::wstring&) override { return 0; }
    void DestroyTooltip(TooltipHandle) override {}

    std::vector<std::wstring> lines;
};

}  // namespace tilora::win32::testing
