#include "FakeDialogControls.h"

#include <algorithm>

namespace tilora::testing {

void FakeDialogControls::StartTimer(unsigned timerId, unsigned periodMs) {
    journal_.Add("StartTimer " + std::to_string(timerId));
    runningTimers_[timerId] = periodMs;
    ++timerStarts_;
}

void FakeDialogControls::StopTimer(unsigned timerId) {
    journal_.Add("StopTimer " + std::to_string(timerId));
    runningTimers_.erase(timerId);
}

void FakeDialogControls::EndDialog(int result) {
    journal_.Add("EndDialog " + std::to_string(result));
    ended_ = true;
    endResult_ = result;
}

bool FakeDialogControls::ConfirmOkCancel(const std::wstring& text, const std::wstring& caption) {
    journal_.Add(std::string("ConfirmOkCancel ") + (confirmAnswer_ ? "OK" : "Cancel"));
    confirmations_.push_back({text, caption});
    return confirmAnswer_;
}

void FakeDialogControls::ShowInformationBox(const std::wstring& caption, const std::wstring& text) {
    journal_.Add("ShowInformationBox");
    informationBoxes_.push_back({caption, text});
}

std::wstring FakeDialogControls::Text(int controlId) const {
    const auto found = texts_.find(controlId);
    return found == texts_.end() ? std::wstring() : found->second;
}

void FakeDialogControls::SetChecked(int controlId, bool checked) {
    if (checked) {
        checked_.insert(controlId);
    } else {
        checked_.erase(controlId);
    }
}

int FakeDialogControls::ListAppend(int controlId, const std::wstring& line) {
    auto& lines = lists_[controlId];
    // The list box takes a C string: a NUL ends the line there.
    lines.push_back(line.substr(0, line.find(L'\0')));
    if (Redrawing(controlId)) ++appendsWhileRedrawing_[controlId];
    return static_cast<int>(lines.size()) - 1;
}

int FakeDialogControls::ListCount(int controlId) const {
    const auto found = lists_.find(controlId);
    return found == lists_.end() ? 0 : static_cast<int>(found->second.size());
}

std::wstring FakeDialogControls::ListLine(int controlId, int index) const {
    const auto found = lists_.find(controlId);
    if (found == lists_.end() || index < 0 || index >= static_cast<int>(found->second.size())) {
        return std::wstring();
    }
    return found->second[static_cast<std::size_t>(index)];
}

void FakeDialogControls::ListDeleteFirstLines(int controlId, int count) {
    auto& lines = lists_[controlId];
    deletedBlocks_.push_back(count);
    const auto deleted = std::min(static_cast<std::size_t>(std::max(count, 0)), lines.size());
    lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(deleted));
}

void FakeDialogControls::ListSetTopIndex(int controlId, int index) {
    topIndex_[controlId] = index;
    ++topIndexSets_[controlId];
}

void FakeDialogControls::ListSetRedraw(int controlId, bool redraw) {
    journal_.Add(redraw ? "ListSetRedraw on" : "ListSetRedraw off");
    if (redraw) {
        noRedraw_.erase(controlId);
    } else {
        noRedraw_.insert(controlId);
    }
}

void FakeDialogControls::ComboReset(int controlId) {
    journal_.Add("ComboReset " + std::to_string(controlId));
    combos_[controlId] = Combo{};
}

void FakeDialogControls::ComboAdd(int controlId, const std::wstring& item) {
    combos_[controlId].items.push_back(item);
}

void FakeDialogControls::ComboSelect(int controlId, int index) {
    Combo& combo = combos_[controlId];
    // Like CB_SETCURSEL: an index outside the list clears the selection.
    combo.selection = index >= 0 && index < static_cast<int>(combo.items.size()) ? index : -1;
}

int FakeDialogControls::ComboSelection(int controlId) const {
    const auto found = combos_.find(controlId);
    return found == combos_.end() ? -1 : found->second.selection;
}

int FakeDialogControls::ComboCount(int controlId) const {
    const auto found = combos_.find(controlId);
    return found == combos_.end() ? 0 : static_cast<int>(found->second.items.size());
}

std::wstring FakeDialogControls::ComboItem(int controlId, int index) const {
    const auto found = combos_.find(controlId);
    if (found == combos_.end() || index < 0 ||
        index >= static_cast<int>(found->second.items.size())) {
        return std::wstring();
    }
    return found->second.items[static_cast<std::size_t>(index)];
}

void FakeDialogControls::EditClearSelection(int controlId) {
    if (editSelectedAll_.erase(controlId) != 0) texts_[controlId].clear();
}

void FakeDialogControls::SetButtonColours(int controlId, const ButtonColours& colours) {
    buttonColours_[controlId] = colours;
    ++buttonRepaints_[controlId];
}

std::optional<Rect> FakeDialogControls::ControlScreenRect(int controlId) const {
    const auto found = controlRects_.find(controlId);
    if (found == controlRects_.end()) return std::nullopt;
    return found->second;
}

Rgb FakeDialogControls::SystemColourOf(SystemColour colour) const {
    // A black-on-white high-contrast theme with a blue highlight: four different colours.
    switch (colour) {
        case SystemColour::ButtonFace:
            return {255, 255, 255};
        case SystemColour::ButtonText:
            return {0, 0, 0};
        case SystemColour::Highlight:
            return {0, 0, 128};
        case SystemColour::HighlightText:
            return {255, 255, 254};
    }
    return {};
}

void FakeDialogControls::MoveControls(int dx, int dy) {
    for (auto& [controlId, rect] : controlRects_) {
        rect = {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
    }
}

std::optional<ButtonColours> FakeDialogControls::ButtonColoursOf(int controlId) const {
    const auto found = buttonColours_.find(controlId);
    if (found == buttonColours_.end()) return std::nullopt;
    return found->second;
}

int FakeDialogControls::ButtonRepaints(int controlId) const {
    const auto found = buttonRepaints_.find(controlId);
    return found == buttonRepaints_.end() ? 0 : found->second;
}

TooltipHandle FakeDialogControls::CreateTooltip(WindowHandle ownerWindow, int controlId,
                                                const std::wstring& text) {
    const TooltipHandle handle = nextTooltip_++;
    tooltips_[handle] = Tooltip{ownerWindow, controlId, text};
    return handle;
}

void FakeDialogControls::UserTypes(int controlId, const std::wstring& text) {
    texts_[controlId] = text;
    editSelectedAll_.erase(controlId);
}

std::vector<std::wstring> FakeDialogControls::Lines(int controlId) const {
    const auto found = lists_.find(controlId);
    return found == lists_.end() ? std::vector<std::wstring>() : found->second;
}

std::vector<std::wstring> FakeDialogControls::ComboItems(int controlId) const {
    const auto found = combos_.find(controlId);
    return found == combos_.end() ? std::vector<std::wstring>() : found->second.items;
}

int FakeDialogControls::TopIndex(int controlId) const {
    const auto found = topIndex_.find(controlId);
    return found == topIndex_.end() ? -1 : found->second;
}

int FakeDialogControls::TopIndexSets(int controlId) const {
    const auto found = topIndexSets_.find(controlId);
    return found == topIndexSets_.end() ? 0 : found->second;
}

int FakeDialogControls::AppendsWhileRedrawing(int controlId) const {
    const auto found = appendsWhileRedrawing_.find(controlId);
    return found == appendsWhileRedrawing_.end() ? 0 : found->second;
}

int FakeDialogControls::Extent(int controlId) const {
    const auto found = extents_.find(controlId);
    return found == extents_.end() ? 0 : found->second;
}

std::vector<std::wstring> FakeDialogControls::TooltipTexts(int controlId) const {
    std::vector<std::wstring> texts;
    for (const auto& [handle, tooltip] : tooltips_) {
        if (tooltip.controlId == controlId) texts.push_back(tooltip.text);
    }
    return texts;
}

}  // namespace tilora::testing
