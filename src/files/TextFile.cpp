#include "files/TextFile.h"

#include <algorithm>
#include <iterator>
#include <new>
#include <optional>

#include "files/FileAccess.h"
#include "files/PathText.h"
#include "files/TextEncoding.h"
#include "files/TextHelpers.h"

namespace tilora {
namespace {

enum class Encoding { Ansi, Utf8, Utf16Le, Utf16Be };

struct Mark {
    Encoding encoding;
    std::size_t length;
};

Mark DetectMark(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) return {Encoding::Utf16Le, 2};
    if (bytes.starts_with("\xFE\xFF")) return {Encoding::Utf16Be, 2};
    if (bytes.starts_with("\xEF\xBB\xBF")) return {Encoding::Utf8, 3};
    return {Encoding::Ansi, 0};
}

// A byte-order mark at the start of a line is left over from files joined together; it would
// make the line match no key or title, so it is dropped. In 8-bit text it is the UTF-8 mark.
std::wstring DecodeLine(Encoding encoding, std::string_view bytes) {
    std::wstring line;
    switch (encoding) {
        case Encoding::Utf16Le:
            line = DecodeUtf16Le(bytes);
            break;
        case Encoding::Utf8:
            line = DecodeUtf8(bytes);
            break;
        default:
            if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
            line = DecodeCp1252(bytes);
            break;
    }
    line.erase(0, line.find_first_not_of(L'\uFEFF'));
    return line;
}

bool IsUnit(std::string_view bytes, std::size_t offset, std::size_t unitSize, char value) {
    if (bytes[offset] != value) return false;
    return unitSize == 1 || bytes[offset + 1] == '\0';
}

// Finds the next CR or LF on the code units of the encoding, so that a byte 0A or 0D inside a
// UTF-16 character is never taken for one.
std::size_t FindLineEnd(std::string_view bytes, std::size_t from, std::size_t unitSize) {
    if (unitSize == 1) return bytes.find_first_of("\r\n", from);
    for (std::size_t offset = from; offset + 1 < bytes.size(); offset += unitSize) {
        if (IsUnit(bytes, offset, unitSize, '\n') || IsUnit(bytes, offset, unitSize, '\r')) {
            return offset;
        }
    }
    return std::string_view::npos;
}

// CR LF, a lone LF and a lone CR each end a line, as editors show them.
void SplitLines(Encoding encoding, std::string_view content, std::vector<std::wstring>& lines) {
    const std::size_t unitSize = encoding == Encoding::Utf16Le ? 2 : 1;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t end = FindLineEnd(content, start, unitSize);
        if (end == std::string_view::npos) {
            lines.push_back(DecodeLine(encoding, content.substr(start)));
            return;
        }
        lines.push_back(DecodeLine(encoding, content.substr(start, end - start)));
        start = end + unitSize;
        const bool crLf = IsUnit(content, end, unitSize, '\r') &&
                          start + unitSize <= content.size() &&
                          IsUnit(content, start, unitSize, '\n');
        if (crLf) start += unitSize;
    }
}

}  // namespace

int WriteTextFile(const std::wstring& path, const std::wstring& text) {
    try {
        return ReplaceFileContents(path, "\xFF\xFE" + EncodeUtf16Le(WithCrLf(text)));
    } catch (const std::bad_alloc&) {
        return kErrorNotEnoughMemory;
    }
}

int DecodeTextLines(std::string_view bytes, std::vector<std::wstring>& lines) {
    const Mark mark = DetectMark(bytes);
    if (mark.encoding == Encoding::Utf16Be) return -kErrorInvalidData;
    std::vector<std::wstring> found;
    try {
        SplitLines(mark.encoding, bytes.substr(mark.length), found);
        lines.insert(lines.end(), std::make_move_iterator(found.begin()),
                     std::make_move_iterator(found.end()));
    } catch (const std::bad_alloc&) {
        return -kErrorNotEnoughMemory;
    }
    return static_cast<int>(found.size());
}

int ReadTextLines(const std::wstring& path, std::vector<std::wstring>& lines) {
    std::string bytes;
    const int code = ReadFileBytes(path, bytes);
    if (code != 0) return -code;
    return DecodeTextLines(bytes, lines);
}

std::string EncodeText8(const std::wstring& text) {
    const std::wstring withLineEnds = WithCrLf(text);
    if (std::optional<std::string> ansi = EncodeCp1252(withLineEnds)) return std::move(*ansi);
    // One character without an 8-bit form would otherwise be lost at the next start.
    return "\xEF\xBB\xBF" + EncodeUtf8(withLineEnds);
}

int WriteTextFile8(const std::wstring& path, const std::wstring& text) {
    try {
        return ReplaceFileContents(path, EncodeText8(text));
    } catch (const std::bad_alloc&) {
        return kErrorNotEnoughMemory;
    }
}

}  // namespace tilora
