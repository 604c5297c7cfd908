#pragma once

#include <cstdint>
#include <string>

#include "platform/Clock.h"
#include "platform/DialogControls.h"

namespace tilora {

// The information list box: the program's message log with its 'Stop' and 'Lösche' check boxes.
class InfoLog {
  public:
    // Older lines are dropped once the log holds this many, so it cannot grow without end.
    static constexpr int kMaxLines = 100000;
    // Deleting the oldest line moves every other one, so a full log makes room this many lines
    // at a time rather than one line for every line added.
    static constexpr int kDropBlockLines = 10000;
    // While a batch is open the box may grow to this many lines before room is made; at the
    // batch's end it holds the same lines as if room had been made block by block.
    static constexpr int kBatchCapLines = 2 * kMaxLines;
    static constexpr std::uint64_t kClearCheckedMs = 2000;

    // While one is open, lines go into the list box without painting it or scrolling it, and
    // closing the outermost one scrolls once to the newest line and paints the box again. A
    // handler writing thousands of lines then costs about as much as adding them, not as much as
    // painting the box thousands of times.
    class Batch {
      public:
        explicit Batch(InfoLog& log);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

      private:
        InfoLog& log_;
    };

    InfoLog(DialogControls& controls, const Clock& clock);

    // Adds the line at the end and scrolls it into view (at the end of a batch while one is
    // open); dropped while 'Stop' is checked. Characters that would cut the line short or reorder
    // it show as U+FFFD (see ShownInLog).
    void AppendInfo(const std::wstring& line);

    void OnStopClicked();
    void OnClearClicked();
    // Unchecks 'Lösche' once its two seconds have passed; run on every timer tick.
    void ClearCheckTick();

  private:
    void EndBatch();
    // Deletes the oldest lines so that the given number of the newest are left.
    void KeepNewest(int lines);

    DialogControls& controls_;
    const Clock& clock_;
    bool outputStopped_ = false;
    std::uint64_t clearUncheckAt_ = NEVER_DUE;
    int openBatches_ = 0;
    // Set by the first line of a batch, which turns the box's painting off.
    bool linesHeldBack_ = false;
};

}  // namespace tilora
