#include "files/PathText.h"

#include "files/TextEncoding.h"

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

}  // namespace tilora
