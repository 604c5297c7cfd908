// Stands in for a PDF viewer in the Wine tests: registered as the program that opens .pdf files,
// it writes the document it was asked to open into a file (UTF-16LE) and ends.
//   tilora_open_recorder.exe RECORD_FILE DOCUMENT
// A GUI program without a window: a console window would come to the front, and Tilora would
// take it for the user's last active window.
#include <windows.h>

#include <shellapi.h>

#include <string>

namespace {

int Record(const std::wstring& recordFile, const std::wstring& document) {
    // Written under another name first, so a reader never sees half a record.
    const std::wstring partial = recordFile + L".partial";
    HANDLE file = ::CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    const BOOL ok =
        ::WriteFile(file, document.data(), static_cast<DWORD>(document.size() * sizeof(wchar_t)),
                    &written, nullptr);
    ::CloseHandle(file);
    if (!ok) return 1;
    return ::MoveFileExW(partial.c_str(), recordFile.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (argv == nullptr) return 2;
    const int result = argc == 3 ? Record(argv[1], argv[2]) : 2;
    ::LocalFree(argv);
    return result;
}
