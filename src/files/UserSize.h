#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tilora {

// Why a typed window size was refused; None when it can be applied.
enum class SizeRefusal {
    None,
    NoX,                // no lower-case x at all
    SeveralX,           // more than one x
    InvalidCharacters,  // anything but digits and x; see invalidCharacters
    BelowMinimum,       // width or height under 50; width and height are the values read
};

// A window size typed as width x height. A refused text keeps 300 x 400 unless it was refused
// for being too small.
struct UserSize {
    static constexpr std::int32_t kMinimum = 50;

    std::int32_t width = 300;
    std::int32_t height = 400;
    SizeRefusal refusal = SizeRefusal::None;
    // In the order typed, repetitions and blanks included.
    std::wstring invalidCharacters;
};

// Reads "640x480": digits, one lower-case x, digits. Numbers past the 32-bit range are clamped.
UserSize ParseUserSize(std::wstring_view typed);

struct SplitPieces {
    // count + 1 pieces; on a refusal, the pieces found before it.
    std::vector<std::wstring> pieces;
    // The number of separators split at, or -1 when the text holds more than allowed.
    int count = 0;
};

// Splits text at separator, at most maxSeparators times. A rest no longer than the separator is
// never split, so a lone "x" is one piece and "300xx" ends in the piece "x".
SplitPieces SplitAtSeparator(std::wstring_view text, std::wstring_view separator,
                             int maxSeparators);

// Every character of text that is not one of allowed's characters, in order, with repetitions.
std::wstring CollectInvalidChars(std::wstring_view text, std::wstring_view allowed);

}  // namespace tilora
