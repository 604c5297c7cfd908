#pragma once

#include <string>

#include "platform/WindowRecord.h"
#include "text/MessageCatalogue.h"

namespace tilora {

// "Window name: ...; Dimension: w x h; Position (left/top/right/bottom): ...; zLevel: ...;
// Show: ...; Process-ID: ...; Process path: ..." in the language in effect.
std::wstring DescribeWindow(const WindowRecord& record, const MessageCatalogue& catalogue);
// "Window name: ... [width x height: w x h;  Process path: ...]", the path's drive letter in
// upper case.
std::wstring DescribeWindowShort(const WindowRecord& record, const MessageCatalogue& catalogue);
}  // namespace tilora
