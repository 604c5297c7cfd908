#include "files/PathText.h"

#include "files/TextEncoding.h"
#include "files/TextHelpers.h"

namespace tilora {

#ifdef _WIN32
std::filesystem::path ToPath(const std::wstring& text) {
    return std::filesystem::path(text);
}
std::wstring FromPath(const std::filesystem::path& path) {
    return path.wstring();
}
#else
std::filesystem::path ToPath(const std::wstring& text) {
    return std::filesystem::path(EncodeUtf8(text));
}
std::wstring FromPath(const std::filesystem::path& path) {
    return DecodeUtf8(path.string());
}
#endif

bool IsPlainFileName(std::wstring_view name) {
    if (name.find(L"..") != std::wstring_view::npos) return false;
    for (const wchar_t c : name) {
        if (c < 32) return false;
        if (std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos) return false;
    }
    return true;
}

bool IsReservedFileName(std::wstring_view name) {
    if (name.ends_with(L'.') || name.ends_with(L' ')) return true;
    std::wstring_view stem = name.substr(0, name.find(L'.'));
    while (stem.ends_with(L' ')) stem.remove_suffix(1);
    const std::wstring device = LowerAsciiLetters(std::wstring(stem));
    if (device == L"con" || device == L"prn" || device == L"aux" || device == L"nul") return true;
    if (device.size() != 4 || !(device.starts_with(L"com") || device.starts_with(L"lpt"))) {
        return false;
    }
    // Windows counts the superscript digits one to three as device numbers too.
    const wchar_t number = device[3];
    return (number >= L'1' && number <= L'9') || number == L'\u00B9' || number == L'\u00B2' ||
           number == L'\u00B3';
}

}  // namespace tilora
