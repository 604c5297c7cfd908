#pragma once

#include <string>

#include "app/InfoLog.h"
#include "text/MessageCatalogue.h"
#include "windows/WindowModel.h"

namespace tilora {

// "Window name: ...; Dimension: w x h; Position (left/top/right/bottom): ...; zLevel: ...;
// Show: ...; Process-ID: ...; Process path: ..." in the language in effect.
std::wstring DescribeWindow(const WindowRecord& record, const MessageCatalogue& catalogue);
// "Window name: ... [width x height: w x h;  Process path: ...]", the path's drive letter in
// upper case.
std::wstring DescribeWindowShort(const WindowRecord& record, const MessageCatalogue& catalogue);
// One description line per record of the latest capture, or the line that there is none.
void ListAllWindows(const WindowModel& model, const MessageCatalogue& catalogue, InfoLog& log);

}  // namespace tilora
