#include "files/TextFile.h"

#include <algorithm>
#include <iterator>
#include <new>

#include "files/FileAccess.h"
#include "files/PathText.h"
#include "files/TextEncoding.h"

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

std::wstring DecodeLine(Encoding encoding, std::string_view bytes) {
    switch (encoding) {
        case Encoding::Utf16Le:
            return DecodeUtf16Le(bytes);
        case Encoding::Utf8:
            return DecodeUtf8(bytes);
        default:
            return DecodeCp1252(bytes);
    }
}

bool IsUnit(std::string_view bytes, std::size_t offset, std::size_t unitSize, char value) {
    if (bytes[offset] != value) return false;
    return unitSize == 1 || bytes[offset + 1] == '\0';
}

// Finds the line ends on the code units of the encoding, so that a byte 0A inside a UTF-16
// character is never taken for one.
std::size_t FindLineFeed(std::string_view bytes, std::size_t from, std::size_t unitSize) {
    if (unitSize == 1) return bytes.find('\n', from);
    for (std::size_t offset = from; offset + 1 < bytes.size(); offset += unitSize) {
        if (IsUnit(bytes, offset, unitSize, '\n')) return offset;
    }
    return std::string_view::npos;
}

void SplitLines(Encoding encoding, std::string_view content, std::vector<std::wstring>& lines) {
    const std::size_t unitSize = encoding == Encoding::Utf16Le ? 2 : 1;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t lineFeed = FindLineFeed(content, start, unitSize);
        if (lineFeed == std::string_view::npos) {
            lines.push_back(DecodeLine(encoding, content.substr(start)));
            return;
        }
        std::size_t end = lineFeed;
        if (end >= start + unitSize && IsUnit(content, end - unitSize, unitSize, '\r')) {
            end -= unitSize;
        }
        lines.push_back(DecodeLine(encoding, content.substr(start, end - start)));
        start = lineFeed + unitSize;
    }
}

std::wstring Padded(wchar_t pad, int width, std::int64_t value) {
    std::wstring text = FormatInteger(value);
    if (width > 0 && static_cast<std::size_t>(width) > text.size()) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), pad);
    }
    return text;
}

}  // namespace

int WriteTextFile(const std::wstring& path, const std::wstring& text) {
    try {
        std::wstring withLineEnds;
        withLineEnds.reserve(text.size() + text.size() / 16);
        for (const wchar_t character : text) {
            if (character == L'\n') withLineEnds += L'\r';
            withLineEnds += character;
        }
        return ReplaceFileContents(path, "\xFF\xFE" + EncodeUtf16Le(withLineEnds));
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

std::wstring TimeStamp(const Clock& clock, std::wstring_view kind) {
    const LocalDateTime now = clock.LocalTime();
    const std::wstring date = FormatZeroPadded(4, now.year) + L"-" +
                              FormatZeroPadded(2, now.month) + L"-" + FormatZeroPadded(2, now.day);
    std::wstring time = FormatZeroPadded(2, now.hour) + L"." + FormatZeroPadded(2, now.minute) +
                        L"." + FormatZeroPadded(2, now.second);
    if (kind == L"date") return date;
    if (kind == L"time") return time;
    if (kind == L"timewc") {
        std::replace(time.begin(), time.end(), L'.', L':');
        return time;
    }
    return date + L"_" + time;
}

std::wstring FormatInteger(std::int64_t value) {
    return std::to_wstring(value);
}

std::wstring FormatZeroPadded(int width, std::int64_t value) {
    return Padded(L'0', width, value);
}

std::wstring FormatSpacePadded(int width, std::int64_t value) {
    return Padded(L' ', width, value);
}

}  // namespace tilora
