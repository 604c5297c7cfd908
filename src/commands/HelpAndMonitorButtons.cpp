#include "commands/HelpAndMonitorButtons.h"

#include <string>

#include "app/ControlTables.h"

namespace tilora {

HelpAndMonitorButtons::HelpAndMonitorButtons(const MessageCatalogue& catalogue, InfoLog& log,
                                             Shell& shell, Monitors& monitors,
                                             const AppPaths& paths)
    : catalogue_(catalogue), log_(log), shell_(shell), monitors_(monitors), paths_(paths) {}

void HelpAndMonitorButtons::OpenHelp() {
    log_.AppendInfo(catalogue_.ButtonPressedLine(ButtonIndexOf(IDC_BN_OPENHELP)));
    const std::wstring& path =
        catalogue_.currentLanguage() == L"English" ? paths_.helpPdfPath : paths_.hilfePdfPath;
    const ShellExecuteResult result = shell_.Execute(path, L"", L"", kSwShowNormal);
    if (result.instance <= 32) {
        log_.AppendInfo(catalogue_.Message(msg::CommandFailed) + std::to_wstring(result.lastError));
    }
}

void HelpAndMonitorButtons::ShowMonRes() {
    log_.AppendInfo(catalogue_.ButtonPressedLine(ButtonIndexOf(IDC_BN_SHOWMONRES)));
    monitors_.ReportMonitors();
}

}  // namespace tilora
