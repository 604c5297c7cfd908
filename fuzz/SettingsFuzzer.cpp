// The settings file: what it sets, what is echoed to the log, and that the values written at
// closing read back as they were.
#include <cstddef>
#include <cstdint>
#include <set>

#include "FuzzInput.h"
#include "settings/SettingsFormat.h"

using namespace tilora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::wstring> lines = fuzz::FileLines(data, size);
    const SettingsText read = ParseSettings(lines);
    const Settings& values = read.values;

    TILORA_FUZZ_CHECK(read.reads.size() <= lines.size());
    TILORA_FUZZ_CHECK(values.language == L"English" || values.language == L"German");
    for (const SettingRead& setting : read.reads) {
        if (setting.key == SettingKey::Topmost || setting.key == SettingKey::Minimize) {
            TILORA_FUZZ_CHECK(setting.value == L"True" || setting.value == L"False");
        }
    }

    const bool topmost = values.topmost.value_or(false);
    const bool minimize = values.minimize.value_or(false);
    const std::wstring written =
        FormatSettings(values.language, values.startPosition, topmost, minimize,
                       values.excludeMaxText, values.followMonitors);
    const SettingsText reread = ParseSettings(fuzz::SplitAtLineFeeds(written));
    TILORA_FUZZ_CHECK(reread.reads.size() == (values.followMonitors ? 5u : 6u));
    TILORA_FUZZ_CHECK(reread.values.followMonitors == values.followMonitors);
    TILORA_FUZZ_CHECK(reread.values.language == values.language);
    TILORA_FUZZ_CHECK(reread.values.startPosition == values.startPosition);
    TILORA_FUZZ_CHECK(reread.values.topmost == topmost);
    TILORA_FUZZ_CHECK(reread.values.minimize == minimize);
    TILORA_FUZZ_CHECK(reread.values.excludeMaxText == values.excludeMaxText);
    // Several exclusion lines are written as one: no piece may be lost or added.
    TILORA_FUZZ_CHECK(
        std::set<std::wstring>(reread.values.excludeMaxList.begin(),
                               reread.values.excludeMaxList.end()) ==
        std::set<std::wstring>(values.excludeMaxList.begin(), values.excludeMaxList.end()));
    return 0;
}
