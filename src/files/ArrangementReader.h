#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/AppPaths.h"
#include "app/InfoLog.h"
#include "files/ArrangementWriter.h"
#include "platform/Clock.h"
#include "platform/DialogControls.h"
#include "text/MessageCatalogue.h"
#include "windows/WindowModel.h"
#include "windows/WindowOperations.h"

namespace tilora {

// The value after key up to the next terminator, without white space at its ends; empty when the
// key or the terminator is missing. A "#" starts a comment that runs to the end of the line.
std::wstring ExtractValue(const std::wstring& line, const std::wstring& key,
                          const std::wstring& terminator);
// Fills pieces with the parts of text between delimiters, each trimmed; returns their number.
int SplitTrimmed(const std::wstring& text, const std::wstring& delimiter,
                 std::vector<std::wstring>& pieces);
// The titles the lines of an arrangement file name, in file order.
std::vector<std::wstring> ArrangementTitles(const std::vector<std::wstring>& lines);

// Reads arrangement files, matches their lines to the windows open now and puts those windows
// back: the Apply, Apply SD and Start Arrang. buttons.
class ArrangementReader {
  public:
    static constexpr std::uint64_t kKeepOwnMinimizedMs = 3000;

    ArrangementReader(const MessageCatalogue& catalogue, InfoLog& log, DialogControls& controls,
                      WindowModel& model, WindowOperations& operations,
                      const ArrangementWriter& writer, const AppPaths& paths, const Clock& clock);

    // Fills fileArrangement with one record per line whose title names an open window.
    void ReadArrangement(const std::wstring& path);
    void ApplyArrangementFile(const std::wstring& path);

    void OnApply();
    void OnApplySessionDefault();
    void OnStartArrangement();

    // Served by the timer: the own dialog may be restored again once the mark has expired.
    void KeepOwnMinimizedTick();

    const WindowSnapshot& fileArrangement() const { return fileArrangement_; }
    bool keepOwnMinimized() const { return keepOwnMinimized_; }
    std::uint64_t keepOwnMinimizedDue() const { return keepOwnMinimizedDue_; }

  private:
    void ReadLine(const std::wstring& line);

    const MessageCatalogue& catalogue_;
    InfoLog& log_;
    DialogControls& controls_;
    WindowModel& model_;
    WindowOperations& operations_;
    const ArrangementWriter& writer_;
    const AppPaths& paths_;
    const Clock& clock_;
    WindowSnapshot fileArrangement_;
    bool keepOwnMinimized_ = false;
    std::uint64_t keepOwnMinimizedDue_ = NEVER_DUE;
};

}  // namespace tilora
