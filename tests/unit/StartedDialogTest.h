// A main dialog on the fakes, started in a fresh working folder, for the tests that work it
// through its buttons.
#pragma once

#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "app/CKelvaneDlg.h"
#include "platform/ControlIds.h"

namespace tilora::testing {

class StartedDialogTest : public ::testing::Test {
  protected:
    ScopedWorkingFolder folder;
    FakePlatform fake;
    WindowHandle own = fake.AddDialogWindow(kOwnTitle, {0, 0, 449, 405});
    CommandContext context{fake.platform()};
    CKelvaneDlg dialog{context};

    void SetUp() override { Start(); }
    // Initialises and first paints the dialog, then empties the log of the start-up's own lines.
    void Start() {
        dialog.OnInitDialog();
        dialog.OnPaint();
        fake.controls.ListClear(IDC_LB_INFO);
    }
    std::vector<std::wstring> Lines() const { return fake.controls.Lines(IDC_LB_INFO); }
    // The user opens the command box and clicks the entry, and the box tells it as Windows does.
    void ChooseCommandEntry(int entry) {
        dialog.OnCommandBox(ComboNotification::DroppedDown);
        fake.controls.ComboSelect(IDC_CB_COMMAND, entry);
        dialog.OnCommandBox(ComboNotification::SelectionEndOk);
        dialog.OnCommandBox(ComboNotification::ClosedUp);
        dialog.OnCommandBox(ComboNotification::SelectionChanged);
    }
    // The command box's entry that holds the command of that number.
    static int CommandEntry(int command) {
        for (const CommandRow& row : CommandRows()) {
            if (row.trigger == Trigger::Command && row.id == command) return row.textEntry;
        }
        return -1;
    }
};

}  // namespace tilora::testing
