#include "PdfHandler.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "TiloraDriver.h"

namespace tilora::e2e {
namespace {

constexpr wchar_t kProgId[] = L"TiloraTest.PdfRecorder";

bool SetDefaultValue(const std::wstring& key, const std::wstring& value) {
    HKEY handle = nullptr;
    if (::RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                          &handle, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const LONG result =
        ::RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

std::optional<std::wstring> DefaultValue(const std::wstring& key) {
    wchar_t buffer[512] = {};
    DWORD size = sizeof(buffer);
    if (::RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, buffer,
                       &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(buffer);
}

}  // namespace

PdfHandler::PdfHandler(std::filesystem::path recordFile) : recordFile_(std::move(recordFile)) {
    std::error_code error;
    std::filesystem::remove(recordFile_, error);
    previousPdfClass_ = DefaultValue(L".pdf");
    if (previousPdfClass_ == kProgId) previousPdfClass_.reset();  // left by a run that crashed
    const std::wstring recorder = (ProgramFolder() / L"tilora_open_recorder.exe").wstring();
    const std::wstring command = L"\"" + recorder + L"\" \"" + recordFile_.wstring() + L"\" \"%1\"";
    registered_ = SetDefaultValue(std::wstring(kProgId) + L"\\shell\\open\\command", command) &&
                  SetDefaultValue(L".pdf", kProgId);
}

PdfHandler::~PdfHandler() {
    if (previousPdfClass_) {
        SetDefaultValue(L".pdf", *previousPdfClass_);
    } else {
        ::RegDeleteTreeW(HKEY_CLASSES_ROOT, L".pdf");
    }
    ::RegDeleteTreeW(HKEY_CLASSES_ROOT, kProgId);
    std::error_code error;
    std::filesystem::remove(recordFile_, error);
}

std::optional<std::wstring> PdfHandler::WaitForOpenedDocument() const {
    if (!WaitFor([&] { return std::filesystem::exists(recordFile_); }, std::chrono::seconds(20))) {
        return std::nullopt;
    }
    std::ifstream in(recordFile_, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    std::error_code error;
    std::filesystem::remove(recordFile_, error);
    std::wstring document(bytes.size() / sizeof(wchar_t), L'\0');
    std::copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(document.size() * 2),
              reinterpret_cast<char*>(document.data()));
    return document;
}

}  // namespace tilora::e2e
