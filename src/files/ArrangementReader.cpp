#include "files/ArrangementReader.h"

#include <filesystem>
#include <system_error>

#include "app/ControlTables.h"
#include "app/resource.h"
#include "files/PathText.h"
#include "files/TextFile.h"
#include "settings/SettingsFile.h"

namespace tilora {
namespace {

constexpr wchar_t kWhiteSpace[] = L" \t\n\v\f\r";

std::wstring Trim(const std::wstring& text) {
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::wstring::npos) return std::wstring();
    const std::size_t last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

bool Exists(const std::wstring& path) {
    std::error_code error;
    return std::filesystem::exists(ToPath(path), error);
}

}  // namespace

std::wstring ExtractValue(const std::wstring& line, const std::wstring& key,
                          const std::wstring& terminator) {
    const std::wstring text = line.substr(0, line.find(L'#'));
    const std::size_t keyAt = text.find(key);
    if (keyAt == std::wstring::npos) return std::wstring();
    const std::wstring rest = text.substr(keyAt + key.size());
    const std::size_t end = rest.find(terminator);
    if (end == std::wstring::npos) return std::wstring();
    return Trim(rest.substr(0, end));
}

int SplitTrimmed(const std::wstring& text, const std::wstring& delimiter,
                 std::vector<std::wstring>& pieces) {
    pieces.clear();
    std::wstring rest = text;
    while (!delimiter.empty() && rest.size() > delimiter.size()) {
        const std::size_t at = rest.find(delimiter);
        if (at == std::wstring::npos) break;
        pieces.push_back(Trim(rest.substr(0, at)));
        rest = rest.substr(at + delimiter.size());
    }
    rest = Trim(rest);
    if (!rest.empty()) pieces.push_back(rest);
    return static_cast<int>(pieces.size());
}

std::vector<std::wstring> ArrangementTitles(const std::vector<std::wstring>& lines) {
    std::vector<std::wstring> titles;
    for (const std::wstring& line : lines) {
        std::wstring title = ExtractValue(line, L"winName:", L";");
        if (!title.empty()) titles.push_back(std::move(title));
    }
    return titles;
}

ArrangementReader::ArrangementReader(const MessageCatalogue& catalogue, InfoLog& log,
                                     DialogControls& controls, WindowModel& model,
                                     WindowOperations& operations, const ArrangementWriter& writer,
                                     const AppPaths& paths, const Clock& clock)
    : catalogue_(catalogue),
      log_(log),
      controls_(controls),
      model_(model),
      operations_(operations),
      writer_(writer),
      paths_(paths),
      clock_(clock) {}

void ArrangementReader::ReadArrangement(const std::wstring& path) {
    fileArrangement_.clear();
    if (path.empty()) {
        log_.AppendInfo(catalogue_.Message(msg::FileNotFound) +
                        catalogue_.Message(msg::EmptyValue));
        return;
    }
    model_.CaptureWindows();
    if (!Exists(path)) {
        log_.AppendInfo(catalogue_.Message(msg::FileNotFound) + path);
        return;
    }
    std::vector<std::wstring> lines;
    const int read = ReadTextLines(path, lines);
    if (read < 0) {
        log_.AppendInfo(catalogue_.Message(msg::FileOpenFailed) + std::to_wstring(-read));
        return;
    }
    for (const std::wstring& line : lines) ReadLine(line);
    WindowModel::SortByZLevel(fileArrangement_);
}

void ArrangementReader::ReadLine(const std::wstring& line) {
    const std::wstring name = ExtractValue(line, L"winName:", L";");
    if (name.empty()) return;

    bool found = false;
    for (const WindowRecord& record : model_.currentSnapshot) {
        if (record.winName != name) continue;
        found = true;
        WindowRecord working = record;
        const std::wstring zLevel = ExtractValue(line, L"zLevel:", L";");
        if (!zLevel.empty()) working.zLevel = ParseInteger(zLevel);
        const std::wstring showCmd = ExtractValue(line, L"showCmd:", L";");
        if (!showCmd.empty()) working.showCmd = static_cast<std::uint32_t>(ParseInteger(showCmd));
        std::vector<std::wstring> ltrb;
        if (SplitTrimmed(ExtractValue(line, L"ltrb:", L";"), L"/", ltrb) == 4) {
            working.rcNormalPosition = {ParseInteger(ltrb[0]), ParseInteger(ltrb[1]),
                                        ParseInteger(ltrb[2]), ParseInteger(ltrb[3])};
            fileArrangement_.push_back(working);
            return;
        }
        // Every further window with this title is tried with the same line.
        log_.AppendInfo(catalogue_.Message(msg::LtrbError) + line);
    }
    // A line whose window is not open changes no window at all.
    if (!found) log_.AppendInfo(catalogue_.Message(msg::SavedWindowNotFound) + line);
}

void ArrangementReader::ApplyArrangementFile(const std::wstring& path) {
    ReadArrangement(path);
    if (!controls_.IsChecked(IDC_CK_TOP) && controls_.IsChecked(IDC_CK_MIN)) {
        keepOwnMinimized_ = true;
        keepOwnMinimizedDue_ = clock_.TickCount() + kKeepOwnMinimizedMs;
    }
    operations_.ApplySnapshot(fileArrangement_, keepOwnMinimized_);
}

void ArrangementReader::OnApply() {
    log_.AppendInfo(catalogue_.ButtonPressedLine(ButtonIndexOf(IDC_BN_APPLY)));
    const std::wstring name = log_.SelectedComboText(IDC_CB_ARRANGEMENT);
    if (name.empty()) {
        log_.AppendInfo(catalogue_.Message(msg::FileNotFound) +
                        catalogue_.Message(msg::EmptyValue));
        return;
    }
    ApplyArrangementFile(paths_.arrangementsDir + name);
}

void ArrangementReader::OnApplySessionDefault() {
    log_.AppendInfo(catalogue_.ButtonPressedLine(ButtonIndexOf(IDC_BN_APPLYSD)));
    ApplyArrangementFile(writer_.sessionDefaultPath());
}

void ArrangementReader::OnStartArrangement() {
    log_.AppendInfo(catalogue_.ButtonPressedLine(ButtonIndexOf(IDC_BN_STARTARRANG)));
    operations_.ApplySnapshot(model_.restorePoint, keepOwnMinimized_);
    model_.restorePointHeld = false;
}

void ArrangementReader::KeepOwnMinimizedTick() {
    if (clock_.TickCount() <= keepOwnMinimizedDue_) return;
    keepOwnMinimized_ = false;
    keepOwnMinimizedDue_ = NEVER_DUE;
}

}  // namespace tilora
