#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tilora {

inline constexpr wchar_t kArrangementPattern[] = L"*.txt";
inline constexpr wchar_t kScriptPattern[] = L"*.csv";

// Whether a file name matches a wildcard pattern ("*" any run of characters, "?" any one), with
// letters compared regardless of case as Windows compares file names: "LAYOUT.TXT" matches
// "*.txt", "a.txtx" does not.
bool MatchesPattern(std::wstring_view name, std::wstring_view pattern);

// Replaces names with the names (without folder) of the files in folder that match pattern, in
// the order the folder lists them; sub-folders are never listed. A missing or unreadable folder
// gives no names. Returns the number of names.
int ListFiles(const std::wstring& folder, const std::wstring& pattern,
              std::vector<std::wstring>& names);

// The arrangement files and app start scripts the dialog offers in its two combo boxes, as their
// folders listed them last.
struct FileLists {
    std::vector<std::wstring> arrangementFiles;
    std::vector<std::wstring> scriptFiles;

    // Each lists its folder again and returns the number of names.
    int ListArrangementFiles(const std::wstring& arrangementsDir) {
        return ListFiles(arrangementsDir, kArrangementPattern, arrangementFiles);
    }
    int ListScriptFiles(const std::wstring& appStartScriptsDir) {
        return ListFiles(appStartScriptsDir, kScriptPattern, scriptFiles);
    }
};

}  // namespace tilora
