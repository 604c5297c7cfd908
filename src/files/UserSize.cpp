#include "files/UserSize.h"

#include "files/TextHelpers.h"

namespace tilora {
namespace {

constexpr std::wstring_view kSeparator = L"x";
constexpr std::wstring_view kAllowed = L"0123456789x";

}  // namespace

SplitPieces SplitAtSeparator(std::wstring_view text, std::wstring_view separator,
                             int maxSeparators) {
    SplitPieces split;
    // The rest is a view into text, so each character is looked at once however many pieces
    // there are.
    std::wstring_view rest = text;
    if (!separator.empty() && separator.size() < rest.size()) {
        while (true) {
            const std::size_t at = rest.find(separator);
            if (at == std::wstring_view::npos) break;
            split.pieces.emplace_back(rest.substr(0, at));
            rest.remove_prefix(at + separator.size());
            if (++split.count > maxSeparators) {
                split.count = -1;
                return split;
            }
            if (separator.size() >= rest.size()) break;
        }
    }
    split.pieces.emplace_back(rest);
    return split;
}

std::wstring CollectInvalidChars(std::wstring_view text, std::wstring_view allowed) {
    std::wstring invalid;
    for (const wchar_t c : text) {
        if (allowed.find(c) == std::wstring_view::npos) invalid += c;
    }
    return invalid;
}

UserSize ParseUserSize(std::wstring_view typed) {
    UserSize size;
    if (typed.find(kSeparator) == std::wstring_view::npos) {
        size.refusal = SizeRefusal::NoX;
        return size;
    }
    const SplitPieces split = SplitAtSeparator(typed, kSeparator, 1);
    if (split.count == -1) {
        size.refusal = SizeRefusal::SeveralX;
        return size;
    }
    size.invalidCharacters = CollectInvalidChars(typed, kAllowed);
    if (!size.invalidCharacters.empty()) {
        size.refusal = SizeRefusal::InvalidCharacters;
        return size;
    }
    // A lone "x" splits into one piece: the height then reads from nothing, as after "300x".
    size.width = ParseInteger(split.pieces[0]);
    size.height = split.pieces.size() > 1 ? ParseInteger(split.pieces[1]) : 0;
    if (size.width < UserSize::kMinimum || size.height < UserSize::kMinimum) {
        size.refusal = SizeRefusal::BelowMinimum;
    }
    return size;
}

}  // namespace tilora
