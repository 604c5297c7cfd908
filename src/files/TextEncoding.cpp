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

// The code point at text[i], pairing surrogates where wchar_t has 16 bits; moves i past it.
char32_t NextCodePoint(const std::wstring& text, std::size_t& i) {
    char32_t c = static_cast<char32_t>(text[i++]);
    if constexpr (sizeof(wchar_t) == 2) {
        c &= 0xFFFF;
        if (IsHighSurrogate(c) && i < text.size() &&
            IsLowSurrogate(static_cast<char32_t>(text[i]) & 0xFFFF)) {
            const char32_t low = static_cast<char32_t>(text[i++]) & 0xFFFF;
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        }
    }
    return c;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || IsSurrogate(c)) c = kReplacement;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
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
    for (std::size_t i = 0; i < text.size();) AppendCodePointAsUtf16(bytes, NextCodePoint(text, i));
    return bytes;
}

std::string EncodeUtf8(const std::wstring& text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) AppendUtf8(bytes, NextCodePoint(text, i));
    return bytes;
}

std::wstring DecodeUtf8(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<std::uint8_t>(bytes[i]);
        int length = 0;
        char32_t c = 0;
        if (lead < 0x80) {
            length = 1;
            c = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            c = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            c = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            c = lead & 0x07;
        }
        bool valid = length > 0 && i + static_cast<std::size_t>(length) <= bytes.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(bytes[i + static_cast<std::size_t>(k)]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values beyond U+10FFFF are not characters.
        const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
        if (!valid || overlong || c > 0x10FFFF || IsSurrogate(c)) {
            AppendWide(out, kReplacement);
            ++i;
            continue;
        }
        AppendWide(out, c);
        i += static_cast<std::size_t>(length);
    }
    return out;
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
