#pragma once
#include "commands/CommandContext.h"
namespace tilora {
class SizeCommands {
  public:
    explicit SizeCommands(CommandContext& context) : ctx_(context) {}
    void CopySize() {}
    void PasteSize() {}
    void PasteSizeToAll() {}
    void ApplyUserSize() {}
    void CopiedSizeTick() {}
  private:
    [[maybe_unused]] CommandContext& ctx_;
};
}  // namespace tilora
