#pragma once

#include <string>

#include "commands/CommandContext.h"

namespace tilora {

// The dialog's own size that command 28 restores.
inline constexpr Size kStandardDialogSize{459, 450};

// The command box, where choosing an entry runs its command at once, and the commands of the box
// that belong to no other handler. Which entry runs which command is the dialog's command table.
class CommandList {
  public:
    explicit CommandList(CommandContext& context) : ctx_(context) {}

    // Whether the notification completes the user's choice of the entry selected now. Windows
    // tells each step of the arrow keys, Page Up/Down or the mouse wheel on the closed box as it
    // tells a choice (CBN_SELENDOK, then CBN_SELCHANGE), so only an entry accepted while the list
    // was open counts, a click on it or Enter, once the list has closed; Escape or a click
    // elsewhere cancels. Enter on the closed box reaches the dialog as its OK command instead.
    bool Chosen(ComboNotification notification);
    // The text of the entry selected now, or an input-error text when none is.
    std::wstring SelectedText() const;
    // Writes the echo of the chosen entry's text; false when no command may follow: the empty last
    // entry selects the first header instead, and a separator only says that it is one.
    bool EchoChoice(const std::wstring& text);

    void ShowLastActiveWindow();
    void RestoreStartRectangle();
    // Opens the folder or file with the program the system associates with it.
    void Open(const std::wstring& path);
    // Opens the file selected in the combo box, from the folder.
    void OpenSelected(int comboId, const std::wstring& folder);
    void ExportAllWindows();
    void ExportLastActiveWindow();
    void ExportLog();
    void DeleteAutomaticSaves();
    void DeleteSavedArrangements();
    void RestoreStandardSize();

  private:
    void ExportAndOpen(int prefixEntry, const std::wstring& text);
    // Moves the *.txt files of the folder whose names hold the part to the Recycle Bin, and
    // reports them under the heading.
    void DeleteMatching(const std::wstring& folder, const std::wstring& part, Msg deletedHeading);

    CommandContext& ctx_;
    bool listOpen_ = false;
    bool accepted_ = false;
};

}  // namespace tilora
