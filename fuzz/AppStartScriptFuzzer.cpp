// An app start script: the entries, the arrangement it names, and the fields of its lines.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "FuzzInput.h"
#include "files/ScriptFormat.h"

using namespace tilora;

namespace {

// Scripts of a few hundred fields a line are checked field by field; longer ones only at the ends.
constexpr std::size_t kFieldsCheckedOneByOne = 256;

void CheckFields(const std::wstring& line) {
    const auto separators = static_cast<std::size_t>(std::count(line.begin(), line.end(), L';'));
    TILORA_FUZZ_CHECK(FieldAt(line, 0).empty());
    TILORA_FUZZ_CHECK(FieldAt(line, -1).empty());
    TILORA_FUZZ_CHECK(FieldAt(line, static_cast<int>(separators) + 1).empty());
    if (separators > kFieldsCheckedOneByOne) {
        TILORA_FUZZ_CHECK(FieldAt(line, 1) == line.substr(0, line.find(L';')));
        return;
    }
    // The fields and their semicolons spell the line up to its last semicolon.
    std::wstring joined;
    for (std::size_t n = 1; n <= separators; ++n) {
        const std::wstring field = FieldAt(line, static_cast<int>(n));
        TILORA_FUZZ_CHECK(field.find(L';') == std::wstring::npos);
        joined += field + L";";
    }
    TILORA_FUZZ_CHECK(joined == line.substr(0, joined.size()));
    TILORA_FUZZ_CHECK(line.find(L';', joined.size()) == std::wstring::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::wstring> lines = fuzz::FileLines(data, size);
    const AppStartScript script = ParseAppStartScript(lines);

    TILORA_FUZZ_CHECK(script.entries.size() <= lines.size());
    if (script.firstLineIsEntry) TILORA_FUZZ_CHECK(!lines.empty() && !script.entries.empty());
    if (lines.size() < 2) TILORA_FUZZ_CHECK(script.arrangement.empty());
    TILORA_FUZZ_CHECK(script.arrangement.find(L';') == std::wstring::npos);
    for (const StartEntry& entry : script.entries) {
        TILORA_FUZZ_CHECK(entry.filePath.find(L';') == std::wstring::npos);
        TILORA_FUZZ_CHECK(entry.programPath.find(L';') == std::wstring::npos);
    }
    for (const std::wstring& line : lines) CheckFields(line);
    return 0;
}
