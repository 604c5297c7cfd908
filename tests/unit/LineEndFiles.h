// Files of the same lines with every kind of line end, in each encoding the readers take, and with
// a byte-order mark left before a line by joining files: each reader must see the lines an editor
// shows, whatever the bytes between them.
#pragma once

#include <string>
#include <vector>

namespace tilora::testing {

enum class FileEncoding { Ansi, Utf8, Utf16 };

struct LineEndFile {
    const char* what;
    FileEncoding encoding;
    // After line i comes lineEnds[i % size].
    std::vector<std::string> lineEnds;
    // A mark before this line (from 0); -1 for none.
    int markBefore = -1;
};

inline const std::vector<LineEndFile>& LineEndFiles() {
    static const std::vector<LineEndFile> files = {
        {"CR LF", FileEncoding::Ansi, {"\r\n"}},
        {"LF", FileEncoding::Utf8, {"\n"}},
        {"CR", FileEncoding::Ansi, {"\r"}},
        {"CR, UTF-16", FileEncoding::Utf16, {"\r"}},
        {"mixed", FileEncoding::Ansi, {"\r\n", "\r", "\n"}},
        {"mixed, UTF-16", FileEncoding::Utf16, {"\r", "\n", "\r\n"}},
        {"a UTF-8 mark before line 2 of 8-bit text", FileEncoding::Ansi, {"\r\n"}, 1},
        {"a mark before line 2, UTF-16", FileEncoding::Utf16, {"\r\n"}, 1},
        {"a second mark before line 1, UTF-8", FileEncoding::Utf8, {"\n"}, 0},
    };
    return files;
}

// The file's bytes for lines of ASCII text.
inline std::string FileBytes(const LineEndFile& file, const std::vector<std::string>& lines) {
    const auto encoded = [&](const std::string& text) {
        if (file.encoding != FileEncoding::Utf16) return text;
        std::string units;
        for (const char c : text) units += std::string{c, '\0'};
        return units;
    };
    const std::string mark = file.encoding == FileEncoding::Utf16 ? "\xFF\xFE" : "\xEF\xBB\xBF";
    std::string bytes = file.encoding == FileEncoding::Ansi ? "" : mark;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (static_cast<int>(i) == file.markBefore) bytes += mark;
        bytes += encoded(lines[i]) + encoded(file.lineEnds[i % file.lineEnds.size()]);
    }
    return bytes;
}

}  // namespace tilora::testing
