#include "commands/HelpAndMonitorButtons.h"

#include <string>

#include "files/TextHelpers.h"

namespace tilora {

void ReportMonitors(CommandContext& ctx) {
    ctx.monitors.Refresh();
    LogMonitorReport(ctx);
}

void LogMonitorReport(CommandContext& ctx) {
    const Monitors& monitors = ctx.monitors;

    const std::wstring& virtualDesktop = ctx.Text(Msg::VirtualDesktop);
    const std::wstring& width = ctx.Text(Msg::Width);
    const std::wstring& height = ctx.Text(Msg::Height);
    const std::wstring& monitorText = ctx.Text(Msg::Monitor);
    ctx.Log(virtualDesktop + L" " + width + L": " + FormatInteger(monitors.virtualScreenWidth()) +
            L", " + virtualDesktop + L" " + height + L": " +
            FormatInteger(monitors.virtualScreenHeight()));
    ctx.Log(ctx.Text(Msg::NumberOfMonitors) + FormatInteger(monitors.monitorCount()));
    ctx.Log(monitorText + L" " + ctx.Text(Msg::Properties) + L": ");
    for (int n = 1; n <= monitors.monitorCount(); ++n) {
        ctx.Log(monitorText + L" " + FormatInteger(n) + L" - " + width + L": " +
                FormatInteger(monitors.Value(n, Monitors::Width)) + L", " + height + L": " +
                FormatInteger(monitors.Value(n, Monitors::Height)));
    }
}

void HelpAndMonitorButtons::OpenHelp() {
    const std::wstring& path = ctx_.catalogue.currentLanguage() == L"English"
                                   ? ctx_.paths.helpPdfPath
                                   : ctx_.paths.hilfePdfPath;
    const ShellExecuteResult result = ctx_.shell.Execute(path, L"", L"", kSwShowNormal);
    if (!result.Succeeded()) {
        ctx_.Log(ctx_.Text(Msg::CommandFailed) + FormatInteger(result.FailureCode()));
    }
}

}  // namespace tilora
