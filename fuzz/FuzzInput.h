// What the fuzz targets share: turning libFuzzer's bytes into the program's text, and a check
// that stops the run with a message when a parser breaks one of its own promises.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "files/TextFile.h"

namespace tilora::fuzz {

// Aborts, so libFuzzer keeps the input that broke the promise.
#define TILORA_FUZZ_CHECK(condition)                                                           \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The bytes as little-endian 16-bit units, as an edit control on Windows hands its text over:
// lone surrogates and every other unit value included. An odd last byte is left out.
inline std::wstring Units(const std::uint8_t* data, std::size_t size) {
    std::wstring text;
    text.reserve(size / 2);
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        text += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
    }
    return text;
}

// The lines of a file with these bytes, as every reader of the program gets them; none when the
// encoding is refused.
inline std::vector<std::wstring> FileLines(const std::uint8_t* data, std::size_t size) {
    std::vector<std::wstring> lines;
    if (DecodeTextLines(Bytes(data, size), lines) < 0) lines.clear();
    return lines;
}

// The text cut at every line feed, as a file writer's text reads back.
inline std::vector<std::wstring> SplitAtLineFeeds(std::wstring_view text) {
    std::vector<std::wstring> lines;
    while (!text.empty()) {
        const std::size_t end = text.find(L'\n');
        lines.emplace_back(text.substr(0, end));
        if (end == std::wstring_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

}  // namespace tilora::fuzz
