#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Clock.h"

namespace tilora {

// Writes the text as UTF-16 little-endian with the byte-order mark FF FE (also for an empty
// text), every line feed as CR LF and nothing added at the end. The file is replaced as a whole:
// a failed write leaves the previous file as it was. Returns 0, or the Windows error code of the
// failure (3 when the folder is missing, 5 when access is denied).
int WriteTextFile(const std::wstring& path, const std::wstring& text);

// Appends the lines of the file to lines and returns how many. A file starting with FF FE is
// UTF-16 little-endian, one starting with EF BB BF is UTF-8, one without a mark is 8-bit text in
// code page 1252; a file starting with FE FF (UTF-16 big-endian) is refused. CR LF and a lone LF
// end a line; there is no empty line after a final line end. When the file cannot be read the
// result is the negated Windows error code (-2 for a missing file, -3 for a missing folder, -5
// for access denied) and lines is untouched.
int ReadTextLines(const std::wstring& path, std::vector<std::wstring>& lines);

// What ReadTextLines makes of a file's bytes: appends the lines and returns how many, or returns
// the negated Windows error code when the encoding is refused.
int DecodeTextLines(std::string_view bytes, std::vector<std::wstring>& lines);

// The local date, time or both of one clock reading: "date" 2024-03-07, "time" 09.05.03,
// "datetime" 2024-03-07_09.05.03, "timewc" 09:05:03. Any other kind gives the "datetime" stamp,
// so a name built from it is still unique to the second.
std::wstring TimeStamp(const Clock& clock, std::wstring_view kind);

// Plain decimal: a leading "-" for negative values, no grouping, no leading zeros.
std::wstring FormatInteger(std::int64_t value);
// FormatInteger's text with "0" or blanks put in front, sign included, until it is at least width
// characters long: -5 zero-padded to 3 is "0-5". A longer text is not cut.
std::wstring FormatZeroPadded(int width, std::int64_t value);
std::wstring FormatSpacePadded(int width, std::int64_t value);

}  // namespace tilora
