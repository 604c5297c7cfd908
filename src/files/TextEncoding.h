#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tilora {

// Encoders and decoders of the program's file formats. They work on bytes and give the same bytes
// on every system: where wchar_t has 32 bits, characters beyond U+FFFF are converted to and from
// UTF-16 surrogate pairs here.

// The character of one byte in the Windows ANSI code page 1252. The five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control character of the same
// number, as Windows converts them.
wchar_t Cp1252Character(unsigned char byte);
std::wstring DecodeCp1252(std::string_view bytes);
// The code page 1252 bytes of the text; nothing when a character has no byte there.
std::optional<std::string> EncodeCp1252(const std::wstring& text);

// UTF-8 of the text. Unpaired surrogates and values that are no character become U+FFFD.
std::string EncodeUtf8(const std::wstring& text);
// The text of UTF-8 bytes; invalid and overlong sequences become U+FFFD.
std::wstring DecodeUtf8(std::string_view bytes);

// UTF-16 little-endian code units of the text, without a byte-order mark. Unpaired surrogates and
// values that are no character become U+FFFD.
std::string EncodeUtf16Le(const std::wstring& text);
// The text of UTF-16 little-endian bytes. Unpaired surrogates and an odd last byte become U+FFFD,
// so nothing is dropped without a trace.
std::wstring DecodeUtf16Le(std::string_view bytes);

}  // namespace tilora
