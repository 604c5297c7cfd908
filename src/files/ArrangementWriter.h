#pragma once

#include <string>

#include "app/AppPaths.h"
#include "app/InfoLog.h"
#include "files/FileLists.h"
#include "platform/Clock.h"
#include "platform/DialogControls.h"
#include "text/MessageCatalogue.h"
#include "windows/WindowModel.h"

namespace tilora {

// The text of an arrangement file: one line per record, in the snapshot's order, ending with the
// trailer of the language in effect.
std::wstring FormatArrangement(const WindowSnapshot& snapshot, const MessageCatalogue& catalogue);

// The SaveAs and Save SD buttons: they write the current arrangement into _Arrangements.
class ArrangementWriter {
  public:
    ArrangementWriter(const MessageCatalogue& catalogue, InfoLog& log, DialogControls& controls,
                      WindowModel& model, FileLists& fileLists, const AppPaths& paths,
                      const Clock& clock);

    void SaveArrangementAs();
    void SaveSessionDefault();

    // The file Save SD wrote last in this run; empty before the first Save SD.
    const std::wstring& sessionDefaultPath() const { return sessionDefaultPath_; }

  private:
    void WriteArrangement(const std::wstring& path);
    void RefreshArrangementList();

    const MessageCatalogue& catalogue_;
    InfoLog& log_;
    DialogControls& controls_;
    WindowModel& model_;
    FileLists& fileLists_;
    const AppPaths& paths_;
    const Clock& clock_;
    std::wstring sessionDefaultPath_;
};

}  // namespace tilora
