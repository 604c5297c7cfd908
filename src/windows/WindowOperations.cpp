#include "windows/WindowOperations.h"

#include "app/ControlTables.h"
#include "app/resource.h"
#include "windows/WindowDescriptions.h"

namespace tilora {

bool IsExcludedFromMaximize(const std::wstring& procPath,
                            const std::vector<std::wstring>& excludeMaxList) {
    for (const std::wstring& entry : excludeMaxList) {
        if (procPath.find(entry) != std::wstring::npos) return true;
    }
    return false;
}

Rect TileSlot(int slot, std::int32_t left, std::int32_t top, std::int32_t width,
              std::int32_t height) {
    const std::int32_t cellWidth = (width - 10) / 3;
    const std::int32_t cellHeight = (height - 60) / 3;
    const std::int32_t x = left + (slot % 3) * (cellWidth + 5);
    const std::int32_t y = top + ((slot / 3) % 3) * (cellHeight + 5) + ((slot / 9) % 3) * 60;
    return {x, y, x + cellWidth, y + cellHeight};
}

WindowOperations::WindowOperations(WindowManager& windows, WindowModel& model, Monitors& monitors,
                                   const MessageCatalogue& catalogue, InfoLog& log,
                                   DialogControls& controls, const Clock& clock,
                                   const std::vector<std::wstring>& excludeMaxList,
                                   const std::wstring& separatorLine)
    : windows_(windows),
      model_(model),
      monitors_(monitors),
      catalogue_(catalogue),
      log_(log),
      controls_(controls),
      clock_(clock),
      excludeMaxList_(excludeMaxList),
      separatorLine_(separatorLine) {}

namespace {

bool ShowsNormal(unsigned showCommand) {
    return showCommand == kSwShowNormal || showCommand == kSwShowNoActivate ||
           showCommand == kSwRestore;
}

}  // namespace

bool WindowOperations::IsMaximized(WindowHandle window) const {
    const std::optional<Placement> placement = windows_.GetWindowPlacement(window);
    return placement && placement->showCmd == kSwShowMaximized;
}

bool WindowOperations::PlaceWindow(WindowHandle window, const Rect& rect, unsigned showCommand) {
    if (const std::optional<Placement> read = windows_.GetWindowPlacement(window)) {
        Placement placement = *read;
        placement.normalPosition = rect;
        // A window that was maximised before it was minimised would otherwise come back maximised.
        if (ShowsNormal(showCommand)) placement.flags &= ~kWpfRestoreToMaximized;
        if (windows_.SetWindowPlacement(window, placement)) {
            const bool wasVisible = windows_.ShowWindow(window, showCommand);
            // Some systems keep the flag all the same: then the window is restored once more.
            if (ShowsNormal(showCommand) && IsMaximized(window))
                windows_.ShowWindow(window, showCommand);
            return wasVisible;
        }
    }
    // A window that is minimised or maximised would forget a new position once restored, so it is
    // restored (without activating it) before it is moved; one that was maximised before it was
    // minimised needs a second restore.
    const bool wasVisible = windows_.ShowWindow(window, kSwShowNoActivate);
    if (IsMaximized(window)) windows_.ShowWindow(window, kSwShowNoActivate);
    windows_.SetWindowPos(window, kHwndTop, rect.left, rect.top, rect.Width(), rect.Height(),
                          kSwpNoZOrder | kSwpNoActivate);
    windows_.ShowWindow(window, showCommand);
    return wasVisible;
}

std::wstring WindowOperations::Short(const WindowRecord& record) const {
    return DescribeWindowShort(record, catalogue_);
}

void WindowOperations::BulkPrologue(int buttonId) {
    log_.AppendInfo(catalogue_.ButtonPressedLine(ButtonIndexOf(buttonId)));
    model_.CaptureWindows();
    if (!model_.restorePointHeld) model_.restorePoint = model_.currentSnapshot;
}

void WindowOperations::MinimizeAll() {
    BulkPrologue(IDC_BN_MINIMIZEALL);
    const bool topChecked = controls_.IsChecked(IDC_CK_TOP);
    for (const WindowRecord& record : model_.currentSnapshot) {
        if (topChecked && record.winName.find(model_.ownTitle()) != std::wstring::npos) {
            log_.AppendInfo(L" ! " + Short(record) + catalogue_.Message(msg::NotMinimizedTopmost));
            continue;
        }
        if (PlaceWindow(record.hwnd, record.rcNormalPosition, kSwShowMinimized)) {
            log_.AppendInfo(Short(record) + catalogue_.Message(msg::WasMinimized));
        } else {
            log_.AppendInfo(L" ! " + Short(record) + catalogue_.Message(msg::CouldNotMinimize));
        }
    }
    log_.AppendInfo(separatorLine_);
}

void WindowOperations::MaximizeAll() {
    BulkPrologue(IDC_BN_MAXIMIZEALL);
    for (const WindowRecord& record : model_.currentSnapshot) {
        if (IsExcludedFromMaximize(record.procPath, excludeMaxList_)) {
            log_.AppendInfo(L" ! " + Short(record) + catalogue_.Message(msg::NotMaximizedExcluded));
            continue;
        }
        PlaceWindow(record.hwnd, record.rcNormalPosition, kSwShowMaximized);
        if (windows_.SetForegroundWindow(record.hwnd)) {
            log_.AppendInfo(Short(record) + catalogue_.Message(msg::WasMaximized));
        } else {
            log_.AppendInfo(L" ! " + Short(record) + catalogue_.Message(msg::MaximizedNotInFront));
        }
    }
    log_.AppendInfo(separatorLine_);
}

void WindowOperations::TileAll() {
    BulkPrologue(IDC_BN_TILEALL);
    const std::int32_t left = monitors_.Value(1, Monitors::Left);
    const std::int32_t top = monitors_.Value(1, Monitors::Top);
    const std::int32_t width = monitors_.Value(1, Monitors::Width);
    const std::int32_t height = monitors_.Value(1, Monitors::Height);
    int slot = 0;
    for (WindowRecord& record : model_.currentSnapshot) {
        PlaceWindow(record.hwnd, record.rcNormalPosition, kSwShowMinimized);
        if (record.winName == model_.ownTitle()) continue;  // the own dialog takes no slot
        record.rcNormalPosition = TileSlot(slot++, left, top, width, height);
        PlaceWindow(record.hwnd, record.rcNormalPosition, kSwShowNormal);
        windows_.SetForegroundWindow(record.hwnd);
    }
    ownWindowRestoreDue_ = clock_.TickCount() + kOwnWindowRestoreDelayMs;
    model_.restorePointHeld = true;
}

void WindowOperations::OwnWindowRestoreTick() {
    if (clock_.TickCount() <= ownWindowRestoreDue_) return;
    const WindowRecord& own = model_.ownWindowRecord;
    PlaceWindow(own.hwnd, own.rcNormalPosition, kSwShowNormal);
    windows_.SetForegroundWindow(own.hwnd);
    ownWindowRestoreDue_ = NEVER_DUE;
}

void WindowOperations::ApplySnapshot(const WindowSnapshot& snapshot, bool keepOwnMinimized) {
    for (const WindowRecord& record : snapshot) {
        const bool minimised = PlaceWindow(record.hwnd, record.rcNormalPosition, kSwShowMinimized);
        if (keepOwnMinimized && record.hwnd == ownWindow_) continue;
        bool restored = minimised;
        switch (record.showCmd) {
            case kSwShowMinimized:
            case kSwMinimize:
                break;
            case kSwShowMaximized:
                PlaceWindow(record.hwnd, record.rcNormalPosition, kSwShowMaximized);
                restored = windows_.SetForegroundWindow(record.hwnd);
                break;
            default:
                PlaceWindow(record.hwnd, record.rcNormalPosition, kSwShowNormal);
                restored = windows_.SetForegroundWindow(record.hwnd);
                break;
        }
        if (!restored)
            log_.AppendInfo(L" ! " + Short(record) + catalogue_.Message(msg::CouldNotRestore));
    }
}

const WindowRecord* WindowOperations::LastActiveRecord() {
    if (model_.lastActiveWindow == kNoWindow) {
        log_.AppendInfo(catalogue_.Message(msg::NoHandleYet));
        return nullptr;
    }
    model_.CaptureWindows();
    for (const WindowRecord& record : model_.currentSnapshot) {
        if (record.hwnd == model_.lastActiveWindow) return &record;
    }
    // Closed since it was last active: no window call on a handle that is gone.
    log_.AppendInfo(catalogue_.Message(msg::LastActiveWindowGone));
    return nullptr;
}

void WindowOperations::SetTopmost() {
    const WindowRecord* record = LastActiveRecord();
    if (record == nullptr) return;
    const Rect& r = record->rcNormalPosition;
    windows_.SetWindowPos(record->hwnd, kHwndTopmost, r.left, r.top, r.Width(), r.Height(),
                          kSwpNoMove);
    log_.AppendInfo(record->winName + catalogue_.Message(msg::NowTopmost));
}

void WindowOperations::ResetTopmost() {
    const WindowRecord* record = LastActiveRecord();
    if (record == nullptr) return;
    const Rect& r = record->rcNormalPosition;
    windows_.SetWindowPos(record->hwnd, kHwndNoTopmost, r.left, r.top, r.Width(), r.Height(),
                          kSwpNoMove | kSwpNoSize);
    log_.AppendInfo(record->winName + catalogue_.Message(msg::NoLongerTopmost));
}

void WindowOperations::MoveIntoView() {
    monitors_.RefreshVirtualScreen();
    model_.CaptureWindows();
    const std::int32_t screenWidth = monitors_.virtualScreenWidth();
    const std::int32_t screenHeight = monitors_.virtualScreenHeight();
    bool moved = false;
    for (const WindowRecord& record : model_.currentSnapshot) {
        const Rect& r = record.rcNormalPosition;
        if (r.top >= 0 && r.left >= 0 && r.bottom <= screenHeight && r.right <= screenWidth)
            continue;
        PlaceWindow(record.hwnd, {0, 0, r.Width(), r.Height()}, kSwShowNormal);
        windows_.SetForegroundWindow(record.hwnd);
        log_.AppendInfo(catalogue_.Message(msg::WindowName) + record.winName +
                        catalogue_.Message(msg::MovedToOrigin));
        moved = true;
    }
    if (!moved) log_.AppendInfo(catalogue_.Message(msg::NoWindowMoved));
}

}  // namespace tilora
