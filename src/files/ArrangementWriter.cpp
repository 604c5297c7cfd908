#include "files/ArrangementWriter.h"

#include "app/ControlTables.h"
#include "app/resource.h"
#include "files/TextFile.h"

namespace tilora {
namespace {

constexpr wchar_t kSaveAsPrefix[] = L"SaveAs_";
constexpr wchar_t kTextExtension[] = L".txt";

bool EndsWithTxtInAnyCase(const std::wstring& name) {
    return name.size() >= 4 && LowerAsciiLetters(name.substr(name.size() - 4)) == kTextExtension;
}

}  // namespace

std::wstring FormatArrangement(const WindowSnapshot& snapshot, const MessageCatalogue& catalogue) {
    const std::wstring& trailer = catalogue.Message(msg::ArrangementTrailer);
    std::wstring text;
    for (const WindowRecord& record : snapshot) {
        const Rect& r = record.rcNormalPosition;
        text += L"zLevel: " + FormatSpacePadded(3, record.zLevel) + L"; showCmd: " +
                FormatInteger(record.showCmd) + L"; size: " + FormatSpacePadded(4, r.Width()) +
                L"x" + FormatSpacePadded(4, r.Height()) + L"; ltrb: " +
                FormatSpacePadded(4, r.left) + L"/" + FormatSpacePadded(4, r.top) + L"/" +
                FormatSpacePadded(4, r.right) + L"/" + FormatSpacePadded(4, r.bottom) +
                L"; winName: " + record.winName + L"; procPath: " + record.procPath + trailer +
                L";\n";
    }
    return text;
}

ArrangementWriter::ArrangementWriter(const MessageCatalogue& catalogue, InfoLog& log,
                                     DialogControls& controls, WindowModel& model,
                                     FileLists& fileLists, const AppPaths& paths,
                                     const Clock& clock)
    : catalogue_(catalogue),
      log_(log),
      controls_(controls),
      model_(model),
      fileLists_(fileLists),
      paths_(paths),
      clock_(clock) {}

void ArrangementWriter::SaveArrangementAs() {
    log_.AppendInfo(catalogue_.ButtonPressedLine(ButtonIndexOf(IDC_BN_SAVEAS)));
    model_.CaptureWindows();

    // The placeholder of the language in effect means: no name given.
    std::wstring name = controls_.Text(IDC_ED_USERINPUT);
    if (name == catalogue_.Message(msg::SaveAsPlaceholder)) {
        name = kSaveAsPrefix + TimeStamp(clock_, L"datetime");
    }
    if (!EndsWithTxtInAnyCase(name)) name += kTextExtension;

    WriteArrangement(paths_.arrangementsDir + name);
    RefreshArrangementList();
}

void ArrangementWriter::SaveSessionDefault() {
    log_.AppendInfo(catalogue_.ButtonPressedLine(ButtonIndexOf(IDC_BN_SAVESD)));
    model_.CaptureWindows();
    model_.restorePointHeld = false;
    model_.restorePoint = model_.currentSnapshot;

    sessionDefaultPath_ = paths_.arrangementsDir + catalogue_.Current(TextFamily::FilePrefixes, 0) +
                          TimeStamp(clock_, L"datetime") + kTextExtension;
    WriteArrangement(sessionDefaultPath_);
    RefreshArrangementList();
}

void ArrangementWriter::WriteArrangement(const std::wstring& path) {
    const int error = WriteTextFile(path, FormatArrangement(model_.currentSnapshot, catalogue_));
    if (error != 0) {
        log_.AppendInfo(catalogue_.FileNotWrittenLine(path, error));
    }
}

void ArrangementWriter::RefreshArrangementList() {
    fileLists_.ListArrangementFiles(paths_.arrangementsDir);
    fileLists_.FillArrangementCombo();
}

}  // namespace tilora
