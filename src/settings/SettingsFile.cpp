#include "settings/SettingsFile.h"

#include <vector>

#include "files/TextFile.h"

namespace tilora {

SettingsFileContent ReadSettingsFile(const std::wstring& path) {
    SettingsFileContent content;
    std::vector<std::wstring> lines;
    const int result = ReadTextLines(path, lines);
    if (result < 0) {
        content.error = -result;
        return content;
    }
    content.text = ParseSettings(lines);
    return content;
}

int WriteSettingsFile(const std::wstring& path, const std::wstring& text) {
    return WriteTextFile8(path, text);
}

}  // namespace tilora
