#include "files/ArrangementFormat.h"

#include "files/TextHelpers.h"

namespace tilora {

std::wstring ExtractValue(std::wstring_view line, std::wstring_view key,
                          std::wstring_view terminator) {
    const std::wstring_view text = line.substr(0, line.find(L'#'));
    const std::size_t keyAt = text.find(key);
    if (keyAt == std::wstring_view::npos) return std::wstring();
    const std::wstring_view rest = text.substr(keyAt + key.size());
    const std::size_t end = rest.find(terminator);
    if (end == std::wstring_view::npos) return std::wstring();
    return Trim(rest.substr(0, end));
}

std::wstring WrittenTitle(std::wstring_view line) {
    constexpr std::wstring_view kKey = L"winName: ";
    const std::size_t keyAt = line.find(kKey);
    if (keyAt == std::wstring_view::npos) return std::wstring();
    // A line commented out before its title stays a comment.
    if (line.substr(0, keyAt).find(L'#') != std::wstring_view::npos) return std::wstring();
    const std::size_t start = keyAt + kKey.size();
    const std::size_t end = line.rfind(L"; procPath:");
    if (end == std::wstring_view::npos || end < start) return std::wstring();
    return std::wstring(line.substr(start, end - start));
}

std::optional<ArrangementLine> ParseArrangementLine(std::wstring_view line) {
    ArrangementLine parsed;
    parsed.winName = ExtractValue(line, L"winName:", L";");
    if (parsed.winName.empty() && WrittenTitle(line).empty()) return std::nullopt;
    const std::wstring zLevel = ExtractValue(line, L"zLevel:", L";");
    if (!zLevel.empty()) parsed.zLevel = ParseInteger(zLevel);
    // A negative show command wraps as the Windows UINT field would take it.
    const std::wstring showCmd = ExtractValue(line, L"showCmd:", L";");
    if (!showCmd.empty()) parsed.showCmd = static_cast<std::uint32_t>(ParseInteger(showCmd));
    const std::vector<std::wstring> ltrb = SplitTrimmed(ExtractValue(line, L"ltrb:", L";"), L"/");
    if (ltrb.size() == 4) {
        parsed.ltrb = Rect{ParseInteger(ltrb[0]), ParseInteger(ltrb[1]), ParseInteger(ltrb[2]),
                           ParseInteger(ltrb[3])};
    }
    return parsed;
}

std::wstring FormatArrangementLine(const WindowRecord& record, std::wstring_view trailer) {
    // The size is only for the reader of the file; reading takes the rectangle.
    const Rect& r = record.rcNormalPosition;
    return L"zLevel: " + FormatSpacePadded(3, record.zLevel) + L"; showCmd: " +
           FormatInteger(record.showCmd) + L"; size: " + FormatSpacePadded(4, r.Width()) + L"x" +
           FormatSpacePadded(4, r.Height()) + L"; ltrb: " + FormatSpacePadded(4, r.left) + L"/" +
           FormatSpacePadded(4, r.top) + L"/" + FormatSpacePadded(4, r.right) + L"/" +
           FormatSpacePadded(4, r.bottom) + L"; winName: " + record.winName + L"; procPath: " +
           record.procPath + std::wstring(trailer) + L";\n";
}

std::wstring FormatArrangement(const WindowSnapshot& snapshot, std::wstring_view trailer) {
    std::wstring text;
    for (const WindowRecord& record : snapshot) text += FormatArrangementLine(record, trailer);
    return text;
}

}  // namespace tilora
