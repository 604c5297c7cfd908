#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tilora {

// What Trim removes and ParseInteger skips: the white space of C's isspace.
inline constexpr wchar_t kWhiteSpace[] = L" \t\n\v\f\r";

// The text without white space at its ends.
std::wstring Trim(std::wstring_view text);

// The pieces of text between delimiters, each trimmed. A text not longer than the delimiter is
// never split, so "/" on "/" is the one piece "/"; an empty last piece is left out, empty pieces
// before it are kept; an empty delimiter splits nothing.
std::vector<std::wstring> SplitTrimmed(std::wstring_view text, std::wstring_view delimiter);

// Appends to list the pieces of text between delimiters, each without white space at its ends:
// every piece before the last delimiter, empty ones included, and the piece after it only when it
// has at least 3 characters. An empty delimiter splits nothing.
void SplitList(std::wstring_view text, std::wstring_view delimiter,
               std::vector<std::wstring>& list);
// The text that SplitList with the delimiter ";" turns back into exactly these pieces (each
// trimmed and without ";", as SplitList gives them): the pieces joined by ";", and after a last
// piece too short to be kept on its own one ";" more (two after an empty one).
std::wstring JoinList(const std::vector<std::wstring>& pieces);

// The integer at the start of text, read as C's strtol reads it: leading white space, an optional
// sign, decimal digits up to the first other character. No digits give 0; values beyond the
// 32-bit range give its nearest end.
std::int32_t ParseInteger(std::wstring_view text);

// Lower-cases the letters A to Z only; every other character stays as it is.
std::wstring LowerAsciiLetters(std::wstring text);
// Upper-cases the first character when it is one of the letters a to z.
std::wstring UpperFirstAsciiLetter(std::wstring text);

// Plain decimal: a leading "-" for negative values, no grouping, no leading zeros.
std::wstring FormatInteger(std::int64_t value);
// FormatInteger's text with "0" or blanks put in front, sign included, until it is at least width
// characters long: -5 zero-padded to 3 is "0-5". A longer text is not cut.
std::wstring FormatZeroPadded(int width, std::int64_t value);
std::wstring FormatSpacePadded(int width, std::int64_t value);

// The character a log line shows in place of one that must not reach the list box as it is.
inline constexpr wchar_t kReplacementCharacter = 0xFFFD;

// The line as the log shows it. A window title may hold anything; in the list box a NUL would
// cut the line short, line breaks and other control characters show as boxes or nothing, and the
// bidirectional embeddings, overrides and isolates (U+202A-U+202E, U+2066-U+2069) would reorder
// the rest of the line. Each of these, each C0 and C1 control, DEL, the line and paragraph
// separators U+2028 and U+2029 and each lone surrogate becomes U+FFFD. A tab too: the list box
// does not expand it, and a refused name must show the character it was refused for. Every other
// character, surrogate pairs included, stays as it is. A line longer than kLogLineCapacity
// shows its start and then U+2026: the list box measures and draws a line whole on every paint,
// and a line of a broken file 10 MB long kept the dialog from answering for half a second each
// time.
inline constexpr std::size_t kLogLineCapacity = 10000;
inline constexpr wchar_t kLineCutMark = 0x2026;
std::wstring ShownInLog(std::wstring_view line);

// The text with every line feed written as CR LF, as both file writers store it; a CR already
// in front of a line feed is kept, so CR LF becomes CR CR LF.
std::wstring WithCrLf(std::wstring_view text);

}  // namespace tilora
