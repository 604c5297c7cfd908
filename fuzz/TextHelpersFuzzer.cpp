// The trimming, splitting, number reading and formatting every parser of the program builds on.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "FuzzInput.h"
#include "files/ArrangementFormat.h"
#include "files/TextHelpers.h"

using namespace tilora;

namespace {

bool IsWhiteSpace(wchar_t c) {
    return std::wstring_view(kWhiteSpace).find(c) != std::wstring_view::npos;
}

// strtol's reading of a decimal number, clamped to the 32-bit range.
std::int64_t ReferenceInteger(std::wstring_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsWhiteSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        magnitude = std::min<std::int64_t>(magnitude * 10 + (text[i] - L'0'), 1LL << 40);
    }
    return std::clamp<std::int64_t>(negative ? -magnitude : magnitude, INT32_MIN, INT32_MAX);
}

void CheckTrimmed(const std::wstring& piece) {
    if (piece.empty()) return;
    TILORA_FUZZ_CHECK(!IsWhiteSpace(piece.front()) && !IsWhiteSpace(piece.back()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    // The first byte picks a delimiter of one to four characters from the start of the text.
    const std::size_t delimiterLength = 1 + data[0] % 4;
    const std::wstring whole = fuzz::Units(data + 1, size - 1);
    const std::wstring delimiter = whole.substr(0, delimiterLength);
    const std::wstring text = whole.substr(std::min(delimiterLength, whole.size()));

    const std::wstring trimmed = Trim(text);
    CheckTrimmed(trimmed);
    TILORA_FUZZ_CHECK(text.find(trimmed) != std::wstring::npos);
    TILORA_FUZZ_CHECK(Trim(trimmed) == trimmed);

    for (const std::wstring& separator : {delimiter, std::wstring(L"/"), std::wstring(L";")}) {
        const std::vector<std::wstring> pieces = SplitTrimmed(text, separator);
        TILORA_FUZZ_CHECK(pieces.size() <= text.size() + 1);
        for (const std::wstring& piece : pieces) CheckTrimmed(piece);

        std::vector<std::wstring> list{L"kept"};
        SplitList(text, separator, list);
        TILORA_FUZZ_CHECK(list.front() == L"kept");
        TILORA_FUZZ_CHECK(list.size() <= text.size() + 2);
        for (const std::wstring& piece : list) CheckTrimmed(piece);
    }
    TILORA_FUZZ_CHECK(SplitTrimmed(text, L"").size() <= 1);

    const std::int32_t number = ParseInteger(text);
    TILORA_FUZZ_CHECK(number == ReferenceInteger(text));
    TILORA_FUZZ_CHECK(ParseInteger(FormatInteger(number)) == number);
    TILORA_FUZZ_CHECK(FormatZeroPadded(12, number).size() >= 12);
    TILORA_FUZZ_CHECK(ParseInteger(FormatSpacePadded(12, number)) == number);

    const std::wstring lower = LowerAsciiLetters(text);
    TILORA_FUZZ_CHECK(lower.size() == text.size());
    TILORA_FUZZ_CHECK(
        std::none_of(lower.begin(), lower.end(), [](wchar_t c) { return c >= L'A' && c <= L'Z'; }));
    TILORA_FUZZ_CHECK(UpperFirstAsciiLetter(text).size() == text.size());

    const std::wstring crLf = WithCrLf(text);
    TILORA_FUZZ_CHECK(crLf.size() == text.size() + static_cast<std::size_t>(std::count(
                                                       text.begin(), text.end(), L'\n')));

    const std::wstring value = ExtractValue(text, delimiter, L";");
    CheckTrimmed(value);
    TILORA_FUZZ_CHECK(value.find(L'#') == std::wstring::npos);
    TILORA_FUZZ_CHECK(value.find(L';') == std::wstring::npos);
    return 0;
}
