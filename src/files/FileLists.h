#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/DialogControls.h"

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

// The arrangement files and app start scripts the dialog offers in its two combo boxes.
class FileLists {
  public:
    explicit FileLists(DialogControls& controls);

    // Each lists its folder again; the combo box keeps showing the old names until it is filled.
    int ListArrangementFiles(const std::wstring& arrangementsDir);
    int ListScriptFiles(const std::wstring& appStartScriptsDir);

    // Each shows its list in its combo box with the first name selected (nothing selected when
    // the list is empty) and returns the number of names.
    int FillArrangementCombo();
    int FillScriptCombo();

    const std::vector<std::wstring>& arrangementFiles() const { return arrangementFiles_; }
    const std::vector<std::wstring>& scriptFiles() const { return scriptFiles_; }

  private:
    int FillCombo(int comboId, const std::vector<std::wstring>& names);

    DialogControls& controls_;
    std::vector<std::wstring> arrangementFiles_;
    std::vector<std::wstring> scriptFiles_;
};

}  // namespace tilora
