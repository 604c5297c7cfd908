#pragma once

#include <cstdint>

#include "commands/CommandContext.h"
#include "windows/WindowOperations.h"

namespace tilora {

// Minimize All, Maximize All and Tile All: each works on a fresh capture, which also renews the
// restore point unless Tile All holds it.
class BulkWindowCommands {
  public:
    static constexpr std::uint64_t kOwnWindowRestoreDelayMs = 2000;

    explicit BulkWindowCommands(CommandContext& context) : ctx_(context) {}

    void MinimizeAll();
    void MaximizeAll();
    void TileAll();
    // Served by the timer: after Tile All the own dialog comes back in front.
    void OwnWindowRestoreTick();

  private:
    void CaptureAndRenewRestorePoint();
    // One line per window, then the separator line.
    void Report(const WindowResults& results);

    CommandContext& ctx_;
};

}  // namespace tilora
