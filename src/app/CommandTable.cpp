#include "app/CommandTable.h"

#include "app/CKelvaneDlg.h"
#include "platform/ControlIds.h"

namespace tilora {

std::span<const CommandRow> CommandRows() {
    return CKelvaneDlg::TableRows();
}

std::span<const CommandRow> CKelvaneDlg::TableRows() {
    using enum Trigger;
    using enum Acts;
    using Dialog = CKelvaneDlg;
    static constexpr CommandRow kRows[] = {
        // Buttons, by their caption entry 1 to 14: each writes its "button pressed" line first.
        {Button, IDC_BN_APPLY, 1, OnWindows, [](Dialog& d) { d.arrangements_.Apply(); }},
        {Button, IDC_BN_EXECUTE, 2, OnWindows, [](Dialog& d) { d.scripts_.Execute(); }},
        {Button, IDC_BN_SAVEAS, 3, OnWindows, [](Dialog& d) { d.arrangements_.SaveAs(); }},
        {Button, IDC_BN_COPYSIZE, 4, Elsewhere, [](Dialog& d) { d.sizes_.CopySize(); }},
        {Button, IDC_BN_STARTARRANG, 5, OnWindows,
         [](Dialog& d) { d.arrangements_.StartArrangement(); }},
        {Button, IDC_BN_OPENHELP, 6, Elsewhere, [](Dialog& d) { d.helpAndMonitor_.OpenHelp(); }},
        {Button, IDC_BN_SHOWMONRES, 7, Elsewhere,
         [](Dialog& d) { d.helpAndMonitor_.ShowMonRes(); }},
        {Button, IDC_BN_PASTESIZE, 8, OnWindows, [](Dialog& d) { d.sizes_.PasteSize(); }},
        {Button, IDC_BN_MINIMIZEALL, 9, OnWindows, [](Dialog& d) { d.bulk_.MinimizeAll(); }},
        {Button, IDC_BN_MAXIMIZEALL, 10, OnWindows, [](Dialog& d) { d.bulk_.MaximizeAll(); }},
        {Button, IDC_BN_TILEALL, 11, OnWindows, [](Dialog& d) { d.bulk_.TileAll(); }},
        {Button, IDC_BN_SAVESD, 12, OnWindows,
         [](Dialog& d) { d.arrangements_.SaveSessionDefault(); }},
        {Button, IDC_BN_APPLYSD, 13, OnWindows,
         [](Dialog& d) { d.arrangements_.ApplySessionDefault(); }},
        {Button, IDC_BN_LANGUAGE, 14, Elsewhere, [](Dialog& d) { d.OnLanguageButton(); }},

        // Check boxes, by their caption entry; they write no line of their own.
        {CheckBox, IDC_CK_STOP, 0, Elsewhere, [](Dialog& d) { d.ctx_.log.OnStopClicked(); }},
        {CheckBox, IDC_CK_CLEAR, 1, Elsewhere, [](Dialog& d) { d.ctx_.log.OnClearClicked(); }},
        {CheckBox, IDC_CK_TOP, 2, Elsewhere,
         [](Dialog& d) { d.chrome_.OnTopClicked(d.firstPaintDone_); }},
        // Read when an arrangement is applied, and by the timer.
        {CheckBox, IDC_CK_MIN, 3, Elsewhere, nullptr},
        {CheckBox, IDC_CK_MOUSE, 4, Elsewhere, nullptr},

        // Commands of the command box, by number and entry: the box shows each group under a
        // header, the last three groups also between separator entries.
        {Command, 1, 1, Elsewhere, [](Dialog& d) { ReportMonitors(d.ctx_); }},
        {Command, 2, 2, Elsewhere,
         [](Dialog& d) {
             d.ctx_.model.CaptureWindows();
             d.windowCommands_.ListAllWindows();
         }},
        {Command, 3, 3, Elsewhere, [](Dialog& d) { d.commandList_.ShowLastActiveWindow(); }},
        {Command, 4, 4, Elsewhere, [](Dialog& d) { d.sizes_.CopySize(); }},
        {Command, 5, 5, OnWindows, [](Dialog& d) { d.sizes_.PasteSizeToAll(); }},
        {Command, 6, 6, OnWindows, [](Dialog& d) { d.commandList_.RestoreStartRectangle(); }},
        {Command, 7, 7, OnWindows, [](Dialog& d) { d.windowCommands_.SetTopmost(); }},
        {Command, 8, 8, OnWindows, [](Dialog& d) { d.windowCommands_.ResetTopmost(); }},
        {Command, 9, 9, OnWindows, [](Dialog& d) { d.windowCommands_.MoveIntoView(); }},
        {Command, 10, 13, Elsewhere, [](Dialog& d) { d.commandList_.Open(d.ctx_.paths.baseDir); }},
        {Command, 11, 14, Elsewhere,
         [](Dialog& d) { d.commandList_.Open(d.ctx_.paths.appStartScriptsDir); }},
        {Command, 12, 15, Elsewhere,
         [](Dialog& d) { d.commandList_.Open(d.ctx_.paths.arrangementsDir); }},
        {Command, 13, 16, Elsewhere,
         [](Dialog& d) { d.commandList_.Open(d.ctx_.paths.exportsDir); }},
        {Command, 14, 17, Elsewhere, [](Dialog& d) { d.commandList_.Open(d.ctx_.paths.helpDir); }},
        {Command, 15, 18, Elsewhere,
         [](Dialog& d) { d.commandList_.Open(d.ctx_.paths.licenseDir); }},
        {Command, 16, 19, Elsewhere,
         [](Dialog& d) { d.commandList_.Open(d.ctx_.paths.settingsDir); }},
        {Command, 17, 23, Elsewhere,
         [](Dialog& d) {
             d.ctx_.fileLists.ListScriptFiles(d.ctx_.paths.appStartScriptsDir);
             d.FillScriptCombo();
         }},
        {Command, 18, 24, Elsewhere, [](Dialog& d) { d.arrangements_.RefreshArrangementList(); }},
        {Command, 19, 25, Elsewhere,
         [](Dialog& d) { d.commandList_.Open(d.ctx_.paths.settingsFilePath); }},
        {Command, 20, 26, Elsewhere,
         [](Dialog& d) {
             d.commandList_.OpenSelected(IDC_CB_SCRIPT, d.ctx_.paths.appStartScriptsDir);
         }},
        {Command, 21, 27, Elsewhere,
         [](Dialog& d) {
             d.commandList_.OpenSelected(IDC_CB_ARRANGEMENT, d.ctx_.paths.arrangementsDir);
         }},
        {Command, 22, 31, Elsewhere, [](Dialog& d) { d.commandList_.ExportAllWindows(); }},
        {Command, 23, 32, Elsewhere, [](Dialog& d) { d.commandList_.ExportLastActiveWindow(); }},
        {Command, 24, 33, Elsewhere, [](Dialog& d) { d.commandList_.ExportLog(); }},
        {Command, 25, 34, Elsewhere, [](Dialog& d) { d.commandList_.DeleteAutomaticSaves(); }},
        {Command, 26, 35, Elsewhere,
         [](Dialog& d) {
             d.commandList_.DeleteSavedArrangements();
             d.arrangements_.RefreshArrangementList();
         }},
        {Command, 27, 36, OnWindows, [](Dialog& d) { d.sizes_.ApplyUserSize(); }},
        {Command, 28, 37, OnWindows, [](Dialog& d) { d.commandList_.RestoreStandardSize(); }},
    };
    return kRows;
}

const CommandRow* FindControlRow(int controlId) {
    for (const CommandRow& row : CommandRows()) {
        if (row.trigger != Trigger::Command && row.id == controlId) return &row;
    }
    return nullptr;
}

const CommandRow* FindCommandRow(const MessageCatalogue& catalogue, const std::wstring& text) {
    for (const CommandRow& row : CommandRows()) {
        if (row.trigger != Trigger::Command) continue;
        if (text == catalogue.Current(TextFamily::CommandTexts, row.textEntry)) return &row;
    }
    return nullptr;
}

int ButtonControlId(int buttonIndex) {
    for (const CommandRow& row : CommandRows()) {
        if (row.trigger == Trigger::Button && row.textEntry == buttonIndex) return row.id;
    }
    return 0;
}

}  // namespace tilora
