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

}  // namespace tilora
