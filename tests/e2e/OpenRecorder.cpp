// Stands in for a PDF viewer in the Wine tests: registered as the program that opens .pdf files,
// it writes the document it was asked to open into a file (UTF-16LE) and ends.
//   tilora_open_recorder.exe RECORD_FILE DOCUMENT
#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    const std::wstring document = argv[2];
    // Written under another name first, so a reader never sees half a record.
    const std::wstring partial = std::wstring(argv[1]) + L".partial";
    HANDLE file = ::CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    const BOOL ok = ::WriteFile(file, document.data(),
                                static_cast<DWORD>(document.size() * sizeof(wchar_t)), &written,
                                nullptr);
    ::CloseHandle(file);
    if (!ok) return 1;
    return ::MoveFileExW(partial.c_str(), argv[1], MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
