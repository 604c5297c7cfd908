#include "files/TextEncoding.h"

#include <array>
#include <cstdint>

namespace tilora {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Bytes 0x80 to 0x9F of code page 1252; the rest of the page equals Latin-1.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

bool IsHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}
bool IsSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

std::optional<unsigned char> Cp1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < kCp1252High.size(); ++i) {
        if (kCp1252High[i] == c) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

void AppendUnit(std::string& out, char32_t unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>((unit >> 8) & 0xFF);
}

void AppendCodePointAsUtf16(std::string& out, char32_t c) {
    if (c > 0x10FFFF || IsSurrogate(c)) c = kReplacement;
    if (c >= 0x10000) {
        c -= 0x10000;
        AppendUnit(out, 0xD800 + (c >> 10));
        AppendUnit(out, 0xDC00 + (c & 0x3FF));
    } else {
        AppendUnit(out, c);
    }
}

void AppendWide(std::wstring& out, char32_t c) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<wchar_t>(0xD800 + (c >> 10));
            out += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
            return;
        }
    }
    out += static_cast<wchar_t>(c);
}

char32_t UnitAt(std::string_view bytes, std::size_t offset) {
    return static_cast<char32_t>(static_cast<std::uint8_t>(bytes[offset])) |
           (static_cast<char32_t>(static_cast<std::uint8_t>(bytes[offset + 1])) << 8);
}

}  // namespace

wchar_t Cp1252Character(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return static_cast<wchar_t>(kCp1252High[byte - 0x80]);
    return static_cast<wchar_t>(byte);
}

std::wstring DecodeCp1252(std::string_view bytes) {
    std::wstring text(bytes.size(), L'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text[i] = Cp1252Character(static_cast<unsigned char>(bytes[i]));
    }
    return text;
}

std::optional<std::string> EncodeCp1252(const std::wstring& text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (const wchar_t character : text) {
        const auto byte = Cp1252Byte(static_cast<char32_t>(character));
        if (!byte) return std::nullopt;
        bytes += static_cast<char>(*byte);
    }
    return bytes;
}

std::string EncodeUtf16Le(const std::wstring& text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = static_cast<char32_t>(text[i]);
        if constexpr (sizeof(wchar_t) == 2) {
            c &= 0xFFFF;
            if (IsHighSurrogate(c) && i + 1 < text.size() &&
                IsLowSurrogate(static_cast<char32_t>(text[i + 1]) & 0xFFFF)) {
                const char32_t low = static_cast<char32_t>(text[++i]) & 0xFFFF;
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            }
        }
        AppendCodePointAsUtf16(bytes, c);
    }
    return bytes;
}

std::wstring DecodeUtf16Le(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size() / 2 + 1);
    std::size_t offset = 0;
    while (offset + 1 < bytes.size()) {
        const char32_t unit = UnitAt(bytes, offset);
        offset += 2;
        if (!IsSurrogate(unit)) {
            AppendWide(text, unit);
            continue;
        }
        if (IsHighSurrogate(unit) && offset + 1 < bytes.size() &&
            IsLowSurrogate(UnitAt(bytes, offset))) {
            const char32_t low = UnitAt(bytes, offset);
            offset += 2;
            AppendWide(text, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
            continue;
        }
        AppendWide(text, kReplacement);
    }
    if (offset < bytes.size()) AppendWide(text, kReplacement);
    return text;
}

}  // namespace tilora
