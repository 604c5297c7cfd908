#include "windows/WindowDescriptions.h"

#include <cstdint>

#include "files/TextHelpers.h"

namespace tilora {
namespace {

std::wstring Number(std::int64_t value) {
    return std::to_wstring(value);
}

}  // namespace

std::wstring DescribeWindow(const WindowRecord& record, const MessageCatalogue& catalogue) {
    const Rect& r = record.rcNormalPosition;
    return catalogue.Message(Msg::WindowName) + record.winName + L"; Dimension: " +
           Number(r.Width()) + L" x " + Number(r.Height()) + catalogue.Message(Msg::PositionLtrb) +
           Number(r.left) + L"/" + Number(r.top) + L"/" + Number(r.right) + L"/" +
           Number(r.bottom) + L"; zLevel: " + Number(record.zLevel) + L"; Show: " +
           Number(record.showCmd) + catalogue.Message(Msg::ProcessId) + Number(record.procID) +
           L"; " + catalogue.Message(Msg::ProcessPath) + record.procPath;
}

std::wstring DescribeWindowShort(const WindowRecord& record, const MessageCatalogue& catalogue) {
    const Rect& r = record.rcNormalPosition;
    return catalogue.Message(Msg::WindowName) + record.winName + L" [" +
           catalogue.Message(Msg::WidthXHeight) + Number(r.Width()) + L" x " + Number(r.Height()) +
           L";  " + catalogue.Message(Msg::ProcessPath) + UpperFirstAsciiLetter(record.procPath) +
           L"]";
}

}  // namespace tilora
