#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "commands/CommandContext.h"
#include "commands/SizeCommands.h"
#include "commands/WindowCommands.h"

namespace tilora {

inline constexpr int kCommandCount = 28;
// The dialog's own size that command 28 restores.
inline constexpr Size kStandardDialogSize{459, 450};

// The entry of the command box that holds command n (1 to 28): the commands stand in four
// groups, each under a header, the later three also between separator entries.
constexpr int CommandEntry(int command) {
    if (command <= 9) return command;
    if (command <= 16) return command + 3;
    if (command <= 21) return command + 6;
    return command + 9;
}

// The commands that move, show or resize windows: paste the size to all, the start rectangle,
// TOPMOST on and off, into view, the typed size and the dialog's standard size.
constexpr bool CommandActsOnWindows(int command) {
    switch (command) {
        case 5:
        case 6:
        case 7:
        case 8:
        case 9:
        case 27:
        case 28:
            return true;
        default:
            return false;
    }
}

// The command box: choosing an entry runs its command at once.
class CommandList {
  public:
    CommandList(CommandContext& context, SizeCommands& sizes);

    // Runs the entry now selected in the command box.
    void OnSelectionChange();
    // Runs the command whose text in the language in effect is the entry's text, after the
    // echo block; an empty entry selects the first header, a separator only says so.
    void DispatchCommand(const std::wstring& text);

  private:
    void EchoSelection(const std::wstring& text);
    void Open(const std::wstring& path);
    void OpenSelected(int comboId, const std::wstring& folder);
    void ShowLastActiveWindow();
    void RestoreStartRectangle();
    void ExportAllWindows();
    void ExportLastActiveWindow();
    void ExportLog();
    void ExportAndOpen(int prefixEntry, const std::wstring& text);
    void DeleteMatching(const std::wstring& folder, std::vector<std::wstring>& names,
                        const std::wstring& part);
    void RestoreStandardSize();

    CommandContext& ctx_;
    SizeCommands& sizes_;
    WindowCommands windowCommands_;
    std::array<std::function<void()>, kCommandCount + 1> commands_;
};

}  // namespace tilora
