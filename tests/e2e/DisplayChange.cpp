// Makes Wine take in a change of the X server's monitors and tells every window, as Windows does
// when a monitor comes or goes. A new process reads the monitors from the X server when it
// starts; re-applying the display settings of the registry then makes Wine store that list for
// every process and broadcast WM_DISPLAYCHANGE. Ends with the number of monitors it saw.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    ::ChangeDisplaySettingsExW(nullptr, nullptr, nullptr, 0, nullptr);
    return ::GetSystemMetrics(SM_CMONITORS);
}
