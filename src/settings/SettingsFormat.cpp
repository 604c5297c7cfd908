#include "settings/SettingsFormat.h"

#include <string_view>
#include <unordered_set>

#include "files/TextHelpers.h"

namespace tilora {
namespace {

// The value of the line when it begins with the key, with white space removed at both ends.
std::optional<std::wstring> ValueAfter(std::wstring_view line, std::wstring_view key) {
    if (!line.starts_with(key)) return std::nullopt;
    return Trim(line.substr(key.size()));
}

const wchar_t* TrueOrFalse(bool value) {
    return value ? L"True" : L"False";
}

void ReadLanguage(const std::wstring& value, SettingsText& text) {
    const bool known = value == L"English" || value == L"German";
    text.values.language = known ? value : L"English";
    text.reads.push_back({SettingKey::Language, text.values.language, known});
}

void ReadStartPosition(const std::wstring& value, SettingsText& text) {
    const std::size_t comma = value.find(L',');
    if (comma == std::wstring::npos) return;
    const std::wstring_view view = value;
    text.values.startPosition = {ParseInteger(Trim(view.substr(0, comma))),
                                 ParseInteger(Trim(view.substr(comma + 1)))};
    text.reads.push_back({SettingKey::StartPosition, value, true});
}

// Anything but "True" switches the option off; the echo shows which way it went.
void ReadCheckBox(SettingKey key, const std::wstring& value, std::optional<bool>& setting,
                  SettingsText& text) {
    setting = value == L"True";
    text.reads.push_back({key, TrueOrFalse(*setting), value == L"True" || value == L"False"});
}

void ReadExcludeMax(const std::wstring& value, SettingsText& text) {
    text.values.excludeMaxText = value;
    SplitList(value, L";", text.values.excludeMaxList);
    text.reads.push_back({SettingKey::ExcludeMax, value, true});
}

void ReadFollowMonitors(const std::wstring& value, SettingsText& text) {
    text.values.followMonitors = value != L"False";
    text.reads.push_back({SettingKey::FollowMonitors, TrueOrFalse(text.values.followMonitors),
                          value == L"True" || value == L"False"});
}

// Every piece in effect once, in the order of the lines.
std::vector<std::wstring> WithoutRepeats(const std::vector<std::wstring>& pieces) {
    std::vector<std::wstring> kept;
    std::unordered_set<std::wstring> seen;
    for (const std::wstring& piece : pieces) {
        if (seen.insert(piece).second) kept.push_back(piece);
    }
    return kept;
}

}  // namespace

SettingsText ParseSettings(const std::vector<std::wstring>& lines) {
    SettingsText text;
    int exclusionLines = 0;
    for (const std::wstring& line : lines) {
        if (auto language = ValueAfter(line, kLanguageKey)) {
            ReadLanguage(*language, text);
        } else if (auto position = ValueAfter(line, kStartPositionKey)) {
            ReadStartPosition(*position, text);
        } else if (auto topmost = ValueAfter(line, kTopmostKey)) {
            ReadCheckBox(SettingKey::Topmost, *topmost, text.values.topmost, text);
        } else if (auto minimize = ValueAfter(line, kMinimizeKey)) {
            ReadCheckBox(SettingKey::Minimize, *minimize, text.values.minimize, text);
        } else if (auto excludeMax = ValueAfter(line, kExcludeMaxKey)) {
            ReadExcludeMax(*excludeMax, text);
            ++exclusionLines;
        } else if (auto follow = ValueAfter(line, kFollowMonitorsKey)) {
            ReadFollowMonitors(*follow, text);
        }
    }
    // Written back as one line, so that no line's pieces are lost.
    if (exclusionLines > 1) {
        text.values.excludeMaxText = JoinList(WithoutRepeats(text.values.excludeMaxList));
    }
    return text;
}

std::wstring FormatSettings(const std::wstring& language, Point position, bool topmost,
                            bool minimize, const std::wstring& excludeMaxText,
                            bool followMonitors) {
    std::wstring text;
    text += kLanguageKey + language + L"\n";
    text +=
        kStartPositionKey + FormatInteger(position.x) + L"," + FormatInteger(position.y) + L"\n";
    text += kTopmostKey + std::wstring(TrueOrFalse(topmost)) + L"\n";
    text += kMinimizeKey + std::wstring(TrueOrFalse(minimize)) + L"\n";
    text += kExcludeMaxKey + excludeMaxText + L"\n";
    if (!followMonitors) text += kFollowMonitorsKey + std::wstring(TrueOrFalse(false)) + L"\n";
    return text;
}

}  // namespace tilora
