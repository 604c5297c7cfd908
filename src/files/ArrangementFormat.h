#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/PlatformTypes.h"
#include "platform/WindowRecord.h"

namespace tilora {

// The value after key up to the next terminator, without white space at its ends; empty when the
// key or the terminator is missing. A "#" starts a comment that runs to the end of the line.
std::wstring ExtractValue(std::wstring_view line, std::wstring_view key,
                          std::wstring_view terminator);

// What one line of an arrangement file says about the window it names. A field is missing when
// its value is empty, and ltrb also when it is not four numbers separated by "/".
struct ArrangementLine {
    std::wstring winName;
    std::optional<std::int32_t> zLevel;
    std::optional<std::uint32_t> showCmd;
    std::optional<Rect> ltrb;

    friend bool operator==(const ArrangementLine&, const ArrangementLine&) = default;
};

// The title as the program writes it: everything between "winName: " and the last "; procPath:",
// comments not removed, so a title holding ";" or "#" comes back whole. Empty when the line has no
// such span or a "#" stands before "winName: ".
std::wstring WrittenTitle(std::wstring_view line);

// Nothing when the line names no window: neither a "winName:" value nor a title as written. The
// winName is empty when only the title as written names the window.
std::optional<ArrangementLine> ParseArrangementLine(std::wstring_view line);

// One line of an arrangement file for the record, ending with the trailer and ";\n". The trailer
// is the explanation of the language in effect, e.g. "; ltrb = left/top/right/bottom coordinates".
std::wstring FormatArrangementLine(const WindowRecord& record, std::wstring_view trailer);
// The text of an arrangement file: one line per record, in the snapshot's order.
std::wstring FormatArrangement(const WindowSnapshot& snapshot, std::wstring_view trailer);

}  // namespace tilora
