#pragma once

#include <cstdint>
#include <string>

#include "commands/CommandContext.h"

namespace tilora {

// Saving and restoring arrangements: the SaveAs, Save SD, Apply, Apply SD and Start Arrang.
// buttons.
class ArrangementCommands {
  public:
    static constexpr std::uint64_t kKeepOwnMinimizedMs = 3000;

    explicit ArrangementCommands(CommandContext& context) : ctx_(context) {}

    void SaveAs();
    void SaveSessionDefault();
    void Apply();
    void ApplySessionDefault();
    void StartArrangement();

    // Fills fileArrangement with one record per line of the file whose title names an open
    // window; reports the file or the lines it cannot use.
    void ReadArrangement(const std::wstring& path);
    // Reads the file and puts its windows in place.
    void ApplyArrangementFile(const std::wstring& path);
    // Applies the snapshot, keeping the own dialog minimised while the mark is set, and reports
    // each window that could not be restored.
    void ApplyWindows(const WindowSnapshot& snapshot);
    // Served by the timer: the own dialog may be restored again once the mark has expired.
    void KeepOwnMinimizedTick();
    // Lists the arrangement folder again and shows it in the arrangement box.
    void RefreshArrangementList();

  private:
    void WriteArrangement(const std::wstring& path);

    CommandContext& ctx_;
};

}  // namespace tilora
