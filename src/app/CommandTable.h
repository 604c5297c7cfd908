// Everything the user can trigger, one row each: the fourteen buttons, the five check boxes and
// the commands of the command box. A row names what triggers it, the catalogue entry of its text,
// whether it acts on windows, and the handler it runs; CKelvaneDlg::Run is the one place that runs
// a row. A new command is one row in CommandTable.cpp and its text in both languages of the
// command list.
#pragma once

#include <span>
#include <string>

#include "text/MessageCatalogue.h"

namespace tilora {

class CKelvaneDlg;

enum class Trigger { Button, CheckBox, Command };

// An action that moves, shows, resizes or saves windows first drops an arrangement Execute is
// still waiting for, which would otherwise undo what the user did after starting it.
enum class Acts { Elsewhere, OnWindows };

struct CommandRow {
    Trigger trigger;
    // A button's or check box's control ID; a command's number in the command box.
    int id;
    // The entry that names it: a button's caption and tooltip (ButtonCaptions, ButtonTooltips), a
    // check box's caption (CheckBoxCaptions), a command's entry in the box (CommandTexts).
    int textEntry;
    Acts acts;
    // Null for a check box that is only read when it matters.
    void (*handler)(CKelvaneDlg& dialog);
};

std::span<const CommandRow> CommandRows();
// The row of a button or check box; null for any other control.
const CommandRow* FindControlRow(int controlId);
// The command whose entry in the language in effect reads exactly the text; null when none does.
const CommandRow* FindCommandRow(const MessageCatalogue& catalogue, const std::wstring& text);
// The control ID of button 1 to 14; 0 for any other index.
int ButtonControlId(int buttonIndex);

}  // namespace tilora
