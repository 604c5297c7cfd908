#include "files/FileLists.h"

#include <filesystem>
#include <system_error>

#include "files/PathText.h"

namespace tilora {
namespace {

namespace fs = std::filesystem;

// Upper case of the letters of ASCII and Latin-1, which covers the names the program looks for.
wchar_t FoldCase(wchar_t c) {
    if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - (L'a' - L'A'));
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<wchar_t>(c - 0x20);
    return c;
}

bool SameCharacter(wchar_t a, wchar_t b) {
    return FoldCase(a) == FoldCase(b);
}

bool IsListedFile(const fs::directory_entry& entry, const std::wstring& name) {
    if (name == L"." || name == L"..") return false;
    std::error_code error;
    return !entry.is_directory(error);
}

}  // namespace

bool MatchesPattern(std::wstring_view name, std::wstring_view pattern) {
    // Greedy match that goes back to the last "*" on a mismatch: linear in practice, and never
    // worse than name length times pattern length.
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starAt = std::wstring_view::npos;
    std::size_t nameAtStar = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == L'*') {
            starAt = p++;
            nameAtStar = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == L'?' || SameCharacter(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (starAt != std::wstring_view::npos) {
            p = starAt + 1;
            n = ++nameAtStar;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*') ++p;
    return p == pattern.size();
}

int ListFiles(const std::wstring& folder, const std::wstring& pattern,
              std::vector<std::wstring>& names) {
    names.clear();
    std::error_code error;
    fs::directory_iterator entry(ToPath(folder), error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        const std::wstring name = FromPath(entry->path().filename());
        if (IsListedFile(*entry, name) && MatchesPattern(name, pattern)) names.push_back(name);
    }
    return static_cast<int>(names.size());
}

}  // namespace tilora
