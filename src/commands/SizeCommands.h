#pragma once

#include <cstdint>
#include <optional>

#include "commands/CommandContext.h"

namespace tilora {

// Copy Size, Paste Size, pasting to every window at once and the typed size, all on the last
// active window. The copied size lives in the session; the timer ages it.
class SizeCommands {
  public:
    // How long a copy pastes without asking.
    static constexpr std::uint64_t kCopyValidMs = 10000;

    explicit SizeCommands(CommandContext& context) : ctx_(context) {}

    // The button's "pressed" line comes from the dialog; the command list's copy writes none.
    void CopySize();
    void PasteSize();
    void PasteSizeToAll();
    // Puts the last active window at 0, 0 with the size typed into the user-input field.
    void ApplyUserSize();
    // Served by the timer: a copy that has grown old no longer counts.
    void CopiedSizeTick();

  private:
    // Asks before pasting the initial size when nothing was copied lately; false for Cancel.
    bool MayPaste();
    Size PastedSize() const;
    // The rectangle whose size a copy takes: the window's, or the one it is shown at normally
    // while it is minimised or maximised. Nothing when the window is gone.
    std::optional<Rect> CopiedRect(WindowHandle window) const;
    // Shows the window normal at the rectangle and brings it to the front; true when it went
    // there, otherwise the reason is written.
    bool PlaceAndActivate(const WindowRecord& record, const Rect& rect);

    CommandContext& ctx_;
};

}  // namespace tilora
