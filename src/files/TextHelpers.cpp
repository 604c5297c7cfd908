#include "files/TextHelpers.h"

#include <algorithm>
#include <limits>

namespace tilora {
namespace {

std::wstring Padded(wchar_t pad, int width, std::int64_t value) {
    std::wstring text = FormatInteger(value);
    if (width > 0 && static_cast<std::size_t>(width) > text.size()) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), pad);
    }
    return text;
}

}  // namespace

std::wstring Trim(std::wstring_view text) {
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::wstring_view::npos) return std::wstring();
    const std::size_t last = text.find_last_not_of(kWhiteSpace);
    return std::wstring(text.substr(first, last - first + 1));
}

std::vector<std::wstring> SplitTrimmed(std::wstring_view text, std::wstring_view delimiter) {
    // The rest is a view that only moves forward: copying it after every delimiter made a text of
    // many delimiters take quadratic time.
    std::vector<std::wstring> pieces;
    std::wstring_view rest = text;
    while (!delimiter.empty() && rest.size() > delimiter.size()) {
        const std::size_t at = rest.find(delimiter);
        if (at == std::wstring_view::npos) break;
        pieces.push_back(Trim(rest.substr(0, at)));
        rest.remove_prefix(at + delimiter.size());
    }
    std::wstring last = Trim(rest);
    if (!last.empty()) pieces.push_back(std::move(last));
    return pieces;
}

void SplitList(std::wstring_view text, std::wstring_view delimiter,
               std::vector<std::wstring>& list) {
    const std::size_t d = delimiter.size();
    std::wstring_view rest = text;
    // An empty delimiter would be found at every position without ever shortening the rest.
    while (d > 0 && rest.size() > d) {
        const std::size_t found = rest.find(delimiter);
        if (found == std::wstring_view::npos) break;
        list.push_back(Trim(rest.substr(0, found)));
        rest.remove_prefix(found + d);
    }
    std::wstring last = Trim(rest);
    if (last.size() >= 3) list.push_back(std::move(last));
}

std::wstring JoinList(const std::vector<std::wstring>& pieces) {
    std::wstring text;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) text += L';';
        text += pieces[i];
    }
    if (!pieces.empty() && pieces.back().size() < 3) text += pieces.back().empty() ? L";;" : L";";
    return text;
}

std::int32_t ParseInteger(std::wstring_view text) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    std::size_t i = text.find_first_not_of(kWhiteSpace);
    if (i == std::wstring_view::npos) return 0;
    bool negative = false;
    if (text[i] == L'+' || text[i] == L'-') negative = text[i++] == L'-';
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        // Past the 32-bit range the digits still belong to the number but change nothing.
        if (magnitude <= kMax + 1) magnitude = magnitude * 10 + (text[i] - L'0');
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > kMax) return static_cast<std::int32_t>(kMax);
    if (value < kMin) return static_cast<std::int32_t>(kMin);
    return static_cast<std::int32_t>(value);
}

std::wstring LowerAsciiLetters(std::wstring text) {
    for (wchar_t& c : text) {
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return text;
}

std::wstring UpperFirstAsciiLetter(std::wstring text) {
    if (!text.empty() && text.front() >= L'a' && text.front() <= L'z') {
        text.front() = static_cast<wchar_t>(text.front() - L'a' + L'A');
    }
    return text;
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

std::wstring WithCrLf(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size() + text.size() / 16);
    for (const wchar_t character : text) {
        if (character == L'\n') out += L'\r';
        out += character;
    }
    return out;
}

namespace {

bool IsHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Controls, the bidirectional formatting characters and the line breaks other than the controls.
bool ShownAsReplacement(char32_t c) {
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F)) return true;
    if (c >= 0x202A && c <= 0x202E) return true;
    if (c >= 0x2066 && c <= 0x2069) return true;
    if (c == 0x2028 || c == 0x2029) return true;
    // Only where wchar_t is 32 bits wide: no character at all.
    return c > 0x10FFFF;
}

}  // namespace

std::wstring ShownInLog(std::wstring_view line) {
    std::wstring shown;
    shown.reserve(std::min(line.size(), kLogLineCapacity + 2));
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (shown.size() >= kLogLineCapacity) {
            shown += kLineCutMark;
            break;
        }
        const wchar_t character = line[i];
        const auto c = static_cast<char32_t>(character);
        if (IsHighSurrogate(c) && i + 1 < line.size() &&
            IsLowSurrogate(static_cast<char32_t>(line[i + 1]))) {
            shown += character;
            shown += line[++i];
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c) || ShownAsReplacement(c)) {
            shown += kReplacementCharacter;
        } else {
            shown += character;
        }
    }
    return shown;
}

}  // namespace tilora
