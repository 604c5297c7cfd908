#include "windows/WindowDescriptions.h"

#include <cstdint>

namespace tilora {
namespace {

std::wstring Number(std::int64_t value) {
    return std::to_wstring(value);
}

std::wstring FirstLetterUpper(std::wstring path) {
    if (!path.empty() && path.front() >= L'a' && path.front() <= L'z') {
        path.front() = static_cast<wchar_t>(path.front() - L'a' + L'A');
    }
    return path;
}

}  // namespace

std::wstring DescribeWindow(const WindowRecord& record, const MessageCatalogue& catalogue) {
    const Rect& r = record.rcNormalPosition;
    return catalogue.Message(msg::WindowName) + record.winName + L"; Dimension: " +
           Number(r.Width()) + L" x " + Number(r.Height()) + catalogue.Message(msg::PositionLtrb) +
           Number(r.left) + L"/" + Number(r.top) + L"/" + Number(r.right) + L"/" +
           Number(r.bottom) + L"; zLevel: " + Number(record.zLevel) + L"; Show: " +
           Number(record.showCmd) + catalogue.Message(msg::ProcessId) + Number(record.procID) +
           L"; " + catalogue.Message(msg::ProcessPath) + record.procPath;
}

std::wstring DescribeWindowShort(const WindowRecord& record, const MessageCatalogue& catalogue) {
    const Rect& r = record.rcNormalPosition;
    return catalogue.Message(msg::WindowName) + record.winName + L" [" +
           catalogue.Message(msg::WidthXHeight) + Number(r.Width()) + L" x " + Number(r.Height()) +
           L";  " + catalogue.Message(msg::ProcessPath) + FirstLetterUpper(record.procPath) + L"]";
}

void ListAllWindows(const WindowModel& model, const MessageCatalogue& catalogue, InfoLog& log) {
    if (model.recordCount == 0) {
        log.AppendInfo(catalogue.Message(msg::NoWindowHandles));
        return;
    }
    for (const WindowRecord& record : model.currentSnapshot) {
        log.AppendInfo(DescribeWindow(record, catalogue));
    }
}

}  // namespace tilora
