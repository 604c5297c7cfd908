#include "settings/SettingsFile.h"

#include <algorithm>
#include <new>
#include <vector>

#include "files/FileAccess.h"
#include "files/TextFile.h"
#include "files/TextHelpers.h"

namespace tilora {
namespace {

bool AllBlank(const std::vector<std::wstring>& lines) {
    return std::all_of(lines.begin(), lines.end(),
                       [](const std::wstring& line) { return Trim(line).empty(); });
}

// A missing file is the first start, not a file of the user's.
bool IsMissing(int error) {
    return error == kErrorFileNotFound || error == kErrorPathNotFound;
}

}  // namespace

SettingsFileContent ReadSettingsFile(const std::wstring& path) {
    SettingsFileContent content;
    std::vector<std::wstring> lines;
    std::string bytes;
    int result = -ReadFileBytes(path, bytes);
    if (result == 0) {
        result = DecodeTextLines(bytes, lines);
        content.bytes = std::move(bytes);
    }
    if (result < 0) {
        content.error = -result;
        content.notUnderstood = !IsMissing(content.error);
        return content;
    }
    content.text = ParseSettings(lines);
    content.notUnderstood = content.text.reads.empty() && !AllBlank(lines);
    return content;
}

int WriteSettingsFile(const std::wstring& path, const std::wstring& text, std::string* bytes) {
    try {
        std::string encoded = EncodeText8(text);
        const int error = ReplaceFileContents(path, encoded);
        if (error == 0 && bytes != nullptr) *bytes = std::move(encoded);
        return error;
    } catch (const std::bad_alloc&) {
        return kErrorNotEnoughMemory;
    }
}

std::wstring KeptSettingsPathFor(const std::wstring& path) {
    return path + L".bak";
}

int KeepSettingsFile(const std::wstring& path) {
    return MoveFileReplacing(path, KeptSettingsPathFor(path));
}

}  // namespace tilora
