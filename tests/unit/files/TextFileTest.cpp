#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <tuple>

#include "FakePlatform.h"
#include "files/FileAccess.h"
#include "files/PathText.h"
#include "files/TextFile.h"

namespace tilora {
namespace {

namespace fs = std::filesystem;
using testing::FakeClock;
using testing::ScopedWorkingFolder;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class TextFileTest : public ::testing::Test {
  protected:
    ScopedWorkingFolder folder{"tilora-textfile"};
    fs::path file = folder.path() / "file.txt";
    std::wstring path = FromPath(file);

    std::vector<std::wstring> ReadFile(const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
        std::vector<std::wstring> lines;
        const int count = ReadTextLines(path, lines);
        EXPECT_EQ(count, static_cast<int>(lines.size()));
        return lines;
    }
};

TEST_F(TextFileTest, WrittenFilesAreUtf16WithMarkAndCrLf) {
    struct Case {
        std::wstring text;
        std::string bytes;
    };
    const Case cases[] = {
        {L"", std::string("\xFF\xFE", 2)},
        {L"ab\ncd\n", std::string("\xFF\xFE\x61\0b\0\r\0\n\0c\0d\0\r\0\n\0", 18)},
        {L"\u00e4\u20ac", std::string("\xFF\xFE\xE4\x00\xAC\x20", 6)},
        {L"\U0001F600", std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6)},  // whatever wchar_t is
        {L"x\ry", std::string("\xFF\xFEx\0\r\0y\0", 8)},  // only line feeds are translated
    };
    std::ofstream(file) << std::string(100, 'x');  // longer than anything written here
    for (const Case& c : cases) {
        ASSERT_EQ(WriteTextFile(path, c.text), 0);
        EXPECT_EQ(ReadBytes(file), c.bytes);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST_F(TextFileTest, LinesOfEachEncodingWithUndecodablePartsReplaced) {
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<std::wstring> lines;
    };
    const Case cases[] = {
        {"empty line in the middle", "a\r\n\r\nb", {L"a", L"", L"b"}},
        {"lone LF, no line after the last end", "a\nb\n", {L"a", L"b"}},
        {"lone CR ends a line", "a\rb\r\n", {L"a", L"b"}},
        {"empty file", "", {}},
        {"8-bit", "AB", {L"AB"}},
        {"code page 1252", "\x80\xE4\x81\x9F", {L"\u20ac\u00e4\u0081\u0178"}},
        {"UTF-16", "\xFF\xFE\x41\x42", {L"\u4241"}},
        {"UTF-16 lines", std::string("\xFF\xFEx\0\r\0\n\0\r\0\n\0y\0", 14), {L"x", L"", L"y"}},
        {"0A inside UTF-16", std::string("\xFF\xFE\x0A\x0D\x00\x0A", 6), {L"\u0d0a\u0a00"}},
        {"surrogate pair", std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), {L"\U0001F600"}},
        {"UTF-8", "\xEF\xBB\xBF\xC3\xA4", {L"\u00e4"}},
        {"mark only, UTF-16", "\xFF\xFE", {}},
        {"mark only, UTF-8", "\xEF\xBB\xBF", {}},
        {"odd last byte", std::string("\xFF\xFE\x41\0\n\0\x42", 7), {L"A", L"\uFFFD"}},
        {"lone high surrogate",
         std::string("\xFF\xFE\x3D\xD8\x41\0\x3D\xD8", 8),
         {L"\uFFFDA\uFFFD"}},
        {"lone low surrogate", std::string("\xFF\xFE\x00\xDE", 4), {L"\uFFFD"}},
        {"invalid UTF-8", "\xEF\xBB\xBF\x41\xFF\x42\xC3", {L"A\uFFFDB\uFFFD"}},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadFile(c.bytes), c.lines) << c.what;

    std::vector<std::wstring> lines{L"kept"};  // lines are appended
    EXPECT_EQ(ReadTextLines(path, lines), 1);
    EXPECT_EQ(lines.front(), L"kept");
}

TEST_F(TextFileTest, FilesThatCannotBeReadGiveTheNegatedWindowsCode) {
    fs::create_directory(folder.path() / "folder.txt");
    std::ofstream(file, std::ios::binary) << "\xFE\xFF\x00\x41";
    const std::pair<fs::path, int> cases[] = {
        {folder.path() / "missing.txt", -kErrorFileNotFound},
        {folder.path() / "missing" / "file.txt", -kErrorPathNotFound},
        {file / "below-a-file.txt", -kErrorPathNotFound},
        {folder.path() / "folder.txt", -kErrorAccessDenied},
        {file, -kErrorInvalidData},  // UTF-16 big-endian is refused
        {"", -kErrorPathNotFound},
    };
    for (const auto& [where, result] : cases) {
        std::vector<std::wstring> lines{L"kept"};
        EXPECT_EQ(ReadTextLines(FromPath(where), lines), result) << where;
        EXPECT_EQ(lines, std::vector<std::wstring>{L"kept"});
    }
}

TEST_F(TextFileTest, AFailedWriteKeepsThePreviousFileAndCreatesNothing) {
    ASSERT_EQ(WriteTextFile(path, L"previous"), 0);
    const std::string previous = ReadBytes(file);
    // Something in the way of the temporary file makes the write fail, also for root.
    const fs::path blocker = ToPath(ReplacementPathFor(path));
    fs::create_directory(blocker);
    EXPECT_EQ(WriteTextFile(path, L"new"), kErrorAccessDenied);
    EXPECT_EQ(ReadBytes(file), previous);
    EXPECT_TRUE(fs::is_directory(blocker));

    EXPECT_EQ(WriteTextFile(FromPath(folder.path() / "missing" / "new.txt"), L"x"),
              kErrorPathNotFound);
    EXPECT_EQ(WriteTextFile(FromPath(blocker), L"x"), kErrorAccessDenied);  // onto a folder
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 2);
}

TEST(LeftOverReplacements, OnlyTheTemporaryFilesOfReplacementsAreDeleted) {
    ScopedWorkingFolder folder{"tilora-leftover"};
    const fs::path base = folder.path();
    for (const char* name : {"Settings.txt.~tmp", "b.~tmp", "Layout 1.txt.~tmp", "notes.~tmpx",
                             "a.tmp", ".~tmp", "a.~TMP", "a.~tmp.bak", "Settings.txt"}) {
        std::ofstream(base / name, std::ios::binary) << "stale";
    }
    // The program never makes a folder or a link under such a name, nor anything below one.
    fs::create_directory(base / "x.~tmp");
    std::ofstream(base / "x.~tmp" / "inner.~tmp", std::ios::binary) << "inner";
    fs::create_symlink(base / "Settings.txt", base / "link.~tmp");
    const std::wstring folderText = FromPath(base) + L"/";

    EXPECT_EQ(
        RemoveLeftOverReplacements(folderText),
        (std::vector<std::wstring>{folderText + L"Layout 1.txt.~tmp",
                                   folderText + L"Settings.txt.~tmp", folderText + L"b.~tmp"}));
    std::vector<std::string> kept;
    for (const auto& entry : fs::directory_iterator(base)) {
        kept.push_back(entry.path().filename().string());
    }
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(kept, (std::vector<std::string>{".~tmp", "Settings.txt", "a.tmp", "a.~TMP",
                                              "a.~tmp.bak", "link.~tmp", "notes.~tmpx", "x.~tmp"}));
    EXPECT_TRUE(fs::exists(base / "x.~tmp" / "inner.~tmp"));
    EXPECT_EQ(ReadBytes(base / "Settings.txt"), "stale");

    // Nothing left to delete, and a missing folder is no fault.
    EXPECT_TRUE(RemoveLeftOverReplacements(folderText).empty());
    EXPECT_TRUE(RemoveLeftOverReplacements(folderText + L"missing/").empty());
}

TEST_F(TextFileTest, LargeAndRandomFilesAreReadWholeAndQuickly) {
    std::string bytes(1 << 20, 'x');  // a 1 MB line, then 50 MB of short lines
    bytes += "\r\n";
    const std::string line = std::string(98, 'y') + "\r\n";
    while (bytes.size() < (std::size_t{50} << 20)) bytes += line;
    const auto start = std::chrono::steady_clock::now();
    const std::vector<std::wstring> lines = ReadFile(bytes);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    RecordProperty("read_50mb_seconds", std::to_string(took.count()));
    EXPECT_LT(took.count(), 60.0);  // a quadratic read would take hours
    ASSERT_EQ(lines.size(), 1 + (bytes.size() - (1 << 20) - 2) / line.size());
    EXPECT_EQ(lines.front().size(), std::size_t{1} << 20);

    std::mt19937 random(20240307);
    std::string noise(4 << 20, '\0');
    for (char& byte : noise) byte = static_cast<char>(random() & 0xFF);
    for (const std::string mark : {"\xFF\xFE", "\xEF\xBB\xBF", ""})
        EXPECT_FALSE(ReadFile(mark + noise).empty());
    // 8-bit text keeps one character per byte, except the line ends (CR LF, CR, LF) and a UTF-8
    // mark at the start of a line.
    std::size_t characters = 0;
    for (const std::wstring& l : ReadFile(noise)) characters += l.size();
    std::size_t dropped = 0;
    bool lineStart = true;
    for (std::size_t i = 0; i < noise.size(); ++i) {
        if (lineStart && noise.compare(i, 3, "\xEF\xBB\xBF") == 0) {
            dropped += 3;
            i += 2;
        } else if (noise[i] == '\r' || noise[i] == '\n') {
            ++dropped;
            if (noise[i] == '\r' && i + 1 < noise.size() && noise[i + 1] == '\n') ++dropped, ++i;
            lineStart = true;
            continue;
        }
        lineStart = false;
    }
    EXPECT_EQ(characters + dropped, noise.size());
}

}  // namespace
}  // namespace tilora
