// The decoder of every text file the program reads: byte-order marks, UTF-16 little-endian,
// UTF-8 and code page 1252, and the cutting into lines.
#include <cstddef>
#include <cstdint>

#include "FuzzInput.h"
#include "files/TextEncoding.h"

using namespace tilora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzz::Bytes(data, size);

    std::vector<std::wstring> lines{L"kept"};
    const int count = DecodeTextLines(bytes, lines);
    if (count < 0) {
        TILORA_FUZZ_CHECK(lines.size() == 1);
    } else {
        TILORA_FUZZ_CHECK(lines.size() == 1 + static_cast<std::size_t>(count));
        for (std::size_t i = 1; i < lines.size(); ++i) {
            TILORA_FUZZ_CHECK(lines[i].find_first_of(L"\r\n") == std::wstring::npos);
            TILORA_FUZZ_CHECK(!lines[i].starts_with(L'\uFEFF'));
        }
    }

    // Decoding replaces what is no character, so what it gives survives a round through the
    // encoders unchanged.
    const std::wstring utf16 = DecodeUtf16Le(bytes);
    TILORA_FUZZ_CHECK(DecodeUtf16Le(EncodeUtf16Le(utf16)) == utf16);
    TILORA_FUZZ_CHECK(DecodeUtf8(EncodeUtf8(utf16)) == utf16);

    const std::wstring utf8 = DecodeUtf8(bytes);
    TILORA_FUZZ_CHECK(DecodeUtf8(EncodeUtf8(utf8)) == utf8);
    TILORA_FUZZ_CHECK(DecodeUtf16Le(EncodeUtf16Le(utf8)) == utf8);

    // Every byte has a character in code page 1252, and each goes back to its byte.
    const std::wstring ansi = DecodeCp1252(bytes);
    TILORA_FUZZ_CHECK(ansi.size() == bytes.size());
    const std::optional<std::string> back = EncodeCp1252(ansi);
    TILORA_FUZZ_CHECK(back && *back == bytes);

    // Text from an edit control or a window title may hold lone surrogates; the encoders must
    // take any unit values.
    const std::wstring units = fuzz::Units(data, size);
    const std::string asUtf16 = EncodeUtf16Le(units);
    TILORA_FUZZ_CHECK(asUtf16.size() % 2 == 0);
    TILORA_FUZZ_CHECK(DecodeUtf8(EncodeUtf8(units)).size() <= units.size());
    return 0;
}
