#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/PlatformTypes.h"

namespace tilora {

// The keys of the settings file; each takes in the blank, equals sign and blank after the name.
inline constexpr wchar_t kLanguageKey[] = L"Language = ";
inline constexpr wchar_t kStartPositionKey[] = L"StartPosition = ";
inline constexpr wchar_t kTopmostKey[] = L"Topmost = ";
inline constexpr wchar_t kMinimizeKey[] = L"Minimize = ";
inline constexpr wchar_t kExcludeMaxKey[] = L"ExcludeMax = ";
inline constexpr wchar_t kFollowMonitorsKey[] = L"FollowMonitors = ";

enum class SettingKey { Language, StartPosition, Topmost, Minimize, ExcludeMax, FollowMonitors };

// One line of the settings file that was taken in, in file order, so that the reader can report
// each as it happened. value is what the report echoes after the key: the language that is now
// in effect, the position as written, "True" or "False" for the check boxes, the exclusion text.
// recognised is false for a language other than English and German and for a Topmost or Minimize
// value other than exactly "True" or "False"; those were put back to English or "False".
struct SettingRead {
    SettingKey key;
    std::wstring value;
    bool recognised = true;
    friend bool operator==(const SettingRead&, const SettingRead&) = default;
};

// The values a settings file sets; for each key the last line wins. A key that is missing keeps
// the default here, and the check boxes stay as they are.
struct Settings {
    std::wstring language = L"English";
    Point startPosition;
    std::optional<bool> topmost;
    std::optional<bool> minimize;
    // What the ExcludeMax line is written back as: the one line's value as it was read, or, when
    // there were several, every piece in effect joined by ";", in order and without repeats.
    std::wstring excludeMaxText;
    // Gathers the pieces of every ExcludeMax line.
    std::vector<std::wstring> excludeMaxList;
    // Whether the desk of each monitor layout is remembered and brought back; only "False" turns
    // it off.
    bool followMonitors = true;
    friend bool operator==(const Settings&, const Settings&) = default;
};

struct SettingsText {
    Settings values;
    std::vector<SettingRead> reads;
};

// A line counts only when it starts exactly with a key; its value is trimmed. A StartPosition
// without a comma is passed over as if the line were not there.
SettingsText ParseSettings(const std::vector<std::wstring>& lines);

// The five lines of the settings file, each ending with "\n": language, position, the two check
// boxes as "True" or "False", and the exclusion text. A sixth line follows only when following
// the monitors is off, so that a file with the defaults keeps its five lines.
std::wstring FormatSettings(const std::wstring& language, Point position, bool topmost,
                            bool minimize, const std::wstring& excludeMaxText,
                            bool followMonitors = true);

}  // namespace tilora
