// The window size typed into the input box, and the splitting and character checks it uses.
#include <cstddef>
#include <cstdint>

#include "FuzzInput.h"
#include "files/UserSize.h"

using namespace tilora;

namespace {

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// The number of a run of digits, at most a little past the 32-bit range.
std::int64_t DigitsValue(std::wstring_view digits) {
    std::int64_t value = 0;
    for (const wchar_t c : digits)
        value = std::min<std::int64_t>(value * 10 + (c - L'0'), 1LL << 40);
    return value;
}

void CheckSplit(std::wstring_view text, std::wstring_view separator, int maxSeparators) {
    const SplitPieces split = SplitAtSeparator(text, separator, maxSeparators);
    if (split.count < 0) {
        TILORA_FUZZ_CHECK(split.pieces.size() == static_cast<std::size_t>(maxSeparators) + 1);
        return;
    }
    TILORA_FUZZ_CHECK(split.count <= maxSeparators);
    TILORA_FUZZ_CHECK(split.pieces.size() == static_cast<std::size_t>(split.count) + 1);
    // Nothing is lost or added: the pieces joined by the separator give the text again.
    std::wstring joined = split.pieces.front();
    for (std::size_t i = 1; i < split.pieces.size(); ++i)
        joined += std::wstring(separator) + split.pieces[i];
    TILORA_FUZZ_CHECK(joined == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring typed = fuzz::Units(data, size);
    const UserSize parsed = ParseUserSize(typed);

    switch (parsed.refusal) {
        case SizeRefusal::None:
            TILORA_FUZZ_CHECK(parsed.width >= UserSize::kMinimum);
            TILORA_FUZZ_CHECK(parsed.height >= UserSize::kMinimum);
            TILORA_FUZZ_CHECK(parsed.invalidCharacters.empty());
            break;
        case SizeRefusal::BelowMinimum:
            TILORA_FUZZ_CHECK(parsed.width < UserSize::kMinimum ||
                              parsed.height < UserSize::kMinimum);
            break;
        case SizeRefusal::InvalidCharacters:
            TILORA_FUZZ_CHECK(!parsed.invalidCharacters.empty());
            TILORA_FUZZ_CHECK(parsed.invalidCharacters.size() <= typed.size());
            [[fallthrough]];
        case SizeRefusal::NoX:
        case SizeRefusal::SeveralX:
            TILORA_FUZZ_CHECK(parsed.width == 300 && parsed.height == 400);
            break;
    }

    // Digits, one x, digits: the numbers as typed, clamped to the 32-bit range.
    const std::size_t x = typed.find(L'x');
    bool plain = x != std::wstring::npos;
    for (std::size_t i = 0; plain && i < typed.size(); ++i) plain = i == x || IsDigit(typed[i]);
    if (plain) {
        const std::int64_t width =
            std::min<std::int64_t>(DigitsValue(typed.substr(0, x)), INT32_MAX);
        const std::int64_t height =
            std::min<std::int64_t>(DigitsValue(typed.substr(x + 1)), INT32_MAX);
        TILORA_FUZZ_CHECK(parsed.width == width && parsed.height == height);
        TILORA_FUZZ_CHECK((parsed.refusal == SizeRefusal::None) == (width >= 50 && height >= 50));
    }

    const std::wstring invalid = CollectInvalidChars(typed, L"0123456789x");
    TILORA_FUZZ_CHECK(invalid.find_first_of(L"0123456789x") == std::wstring::npos);
    TILORA_FUZZ_CHECK(CollectInvalidChars(typed, L"").size() == typed.size());

    CheckSplit(typed, L"x", 1);
    CheckSplit(typed, L"x", 1000);
    CheckSplit(typed, L"xx", 3);
    if (typed.size() > 2) CheckSplit(typed.substr(2), typed.substr(0, 2), 64);
    return 0;
}
