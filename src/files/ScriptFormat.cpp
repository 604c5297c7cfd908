#include "files/ScriptFormat.h"

namespace tilora {

std::wstring FieldAt(std::wstring_view text, int n) {
    if (n < 1) return std::wstring();
    std::wstring_view rest = text;
    std::wstring_view field;
    for (int i = 0; i < n; ++i) {
        const std::size_t at = rest.find(L';');
        if (at == std::wstring_view::npos) return std::wstring();
        field = rest.substr(0, at);
        rest.remove_prefix(at + 1);
    }
    return std::wstring(field);
}

AppStartScript ParseAppStartScript(const std::vector<std::wstring>& lines) {
    AppStartScript script;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const std::wstring& line = lines[index];
        if (index == 1) script.arrangement = FieldAt(line, 3);
        if (line.empty() || line.front() == L'#' || line.starts_with(L";;")) continue;
        script.entries.push_back({FieldAt(line, 1), FieldAt(line, 2)});
        if (index == 0) script.firstLineIsEntry = true;
    }
    return script;
}

}  // namespace tilora
