#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tilora {

// Writes the text as UTF-16 little-endian with the byte-order mark FF FE (also for an empty
// text), every line feed as CR LF and nothing added at the end. The file is replaced as a whole:
// a failed write leaves the previous file as it was. Returns 0, or the Windows error code of the
// failure (3 when the folder is missing, 5 when access is denied).
int WriteTextFile(const std::wstring& path, const std::wstring& text);

// Appends the lines of the file to lines and returns how many. A file starting with FF FE is
// UTF-16 little-endian, one starting with EF BB BF is UTF-8, one without a mark is 8-bit text in
// code page 1252; a file starting with FE FF (UTF-16 big-endian) is refused. CR LF, a lone LF and
// a lone CR end a line; there is no empty line after a final line end. A byte-order mark at the
// start of a line (left by joining files) is dropped. When the file cannot be read the result is
// the negated Windows error code (-2 for a missing file, -3 for a missing folder, -5 for access
// denied) and lines is untouched.
int ReadTextLines(const std::wstring& path, std::vector<std::wstring>& lines);

// What ReadTextLines makes of a file's bytes: appends the lines and returns how many, or returns
// the negated Windows error code when the encoding is refused.
int DecodeTextLines(std::string_view bytes, std::vector<std::wstring>& lines);

// Writes the text as 8-bit text in code page 1252 (one byte per character, each line feed as
// CR LF, no mark) when every character has a byte there; otherwise as UTF-8 with the mark
// EF BB BF, so that what is written always reads back unchanged. The file is replaced as a whole:
// a failed write leaves the previous file as it was. Returns 0 or the Windows error code.
int WriteTextFile8(const std::wstring& path, const std::wstring& text);
// The bytes WriteTextFile8 writes for the text.
std::string EncodeText8(const std::wstring& text);

}  // namespace tilora
