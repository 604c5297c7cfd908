#include "windows/DeskMemory.h"

namespace tilora {

void DeskMemory::Start(const MonitorLayout& layout, std::uint64_t now) {
    started_ = true;
    current_ = layout;
    settled_ = layout;
    settleDue_ = NEVER_DUE;
    writeDue_ = now + kWriteIntervalMs;
}

DeskMemory::Notice DeskMemory::NoticeLayout(const MonitorLayout& layout, std::uint64_t now) {
    Notice notice;
    if (layout == current_) return notice;
    notice.changed = true;
    // Leaving the settled layout: its desk as it was before the change goes now or never.
    if (settleDue_ == NEVER_DUE) notice.leftDesk = TakeKeptDesk();
    current_ = layout;
    settleDue_ = now + kSettleMs;
    return notice;
}

std::optional<MonitorLayout> DeskMemory::TakeSettledLayout(std::uint64_t now) {
    if (settleDue_ == NEVER_DUE || now <= settleDue_) return std::nullopt;
    settleDue_ = NEVER_DUE;
    if (current_ == settled_) return std::nullopt;
    settled_ = current_;
    kept_.clear();
    keptChanged_ = false;
    return settled_;
}

void DeskMemory::Remember(const WindowSnapshot& windows, std::uint64_t captureNumber) {
    if (captureNumber <= lastCapture_) return;
    lastCapture_ = captureNumber;
    if (settleDue_ != NEVER_DUE || settled_.empty()) return;
    if (windows == kept_) return;
    kept_ = windows;
    keptChanged_ = true;
}

void DeskMemory::Restored(std::uint64_t captureNumber) {
    if (captureNumber > lastCapture_) lastCapture_ = captureNumber;
    keptChanged_ = false;
}

std::optional<Desk> DeskMemory::TakeDueDesk(std::uint64_t now) {
    if (!keptChanged_ || settleDue_ != NEVER_DUE || now <= writeDue_) return std::nullopt;
    writeDue_ = now + kWriteIntervalMs;
    return TakeKeptDesk();
}

std::optional<Desk> DeskMemory::TakeClosingDesk() {
    if (settleDue_ != NEVER_DUE) return std::nullopt;
    return TakeKeptDesk();
}

std::optional<Desk> DeskMemory::TakeKeptDesk() {
    if (!keptChanged_) return std::nullopt;
    keptChanged_ = false;
    return Desk{settled_, kept_};
}

}  // namespace tilora
