#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

#include "files/FileAccess.h"
#include "files/FileLists.h"
#include "files/TextFile.h"

namespace tilora {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::wstring>;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The error Windows itself gives when the file is opened that way.
DWORD SystemOpenError(const std::wstring& path, DWORD access, DWORD disposition) {
    HANDLE file = ::CreateFileW(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return ::GetLastError();
    ::CloseHandle(file);
    return ERROR_SUCCESS;
}

class Win32FilesTest : public ::testing::Test {
  protected:
    fs::path folder = fs::temp_directory_path() /
                      (L"tilora-files-\u00e4\u4e2d-" + std::to_wstring(::GetCurrentProcessId()));
    std::wstring dir = folder.wstring() + L"\\";

    void SetUp() override {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override {
        std::error_code error;
        fs::remove_all(folder, error);
    }
    std::size_t EntriesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }
};

TEST_F(Win32FilesTest, TextFilesUnderNonAsciiNamesAreReplacedWithTheExactBytes) {
    const std::wstring path = dir + L"\u00c4rger \u4e2d\u6587 \U0001F600.txt";
    ASSERT_EQ(WriteTextFile(path, L"first, and longer than the second"), 0);
    ASSERT_EQ(WriteTextFile(path, L"a\n\u00e4\U0001F600"), 0);
    EXPECT_EQ(ReadBytes(path), std::string("\xFF\xFE\x61\0\r\0\n\0\xE4\0\x3D\xD8\x00\xDE", 14));
    Lines lines;
    EXPECT_EQ(ReadTextLines(path, lines), 2);
    EXPECT_EQ(lines, (Lines{L"a", L"\u00e4\U0001F600"}));
    EXPECT_EQ(EntriesInFolder(), 1u);  // no temporary file left behind

    ASSERT_EQ(WriteTextFile(path, L""), 0);
    EXPECT_EQ(ReadBytes(path), "\xFF\xFE");
}

TEST_F(Win32FilesTest, FailuresGiveTheCodesWindowsGivesAndKeepThePreviousFile) {
    ::CreateDirectoryW((dir + L"folder.txt").c_str(), nullptr);
    const std::pair<std::wstring, int> cases[] = {
        {dir + L"missing.txt", ERROR_FILE_NOT_FOUND},
        {dir + L"missing\\file.txt", ERROR_PATH_NOT_FOUND},
        {dir + L"folder.txt", ERROR_ACCESS_DENIED},
    };
    for (const auto& [path, code] : cases) {
        Lines lines;
        EXPECT_EQ(ReadTextLines(path, lines), -code) << path;
        EXPECT_EQ(SystemOpenError(path, GENERIC_READ, OPEN_EXISTING), DWORD(code)) << path;
    }
    const std::wstring inMissingFolder = dir + L"missing\\file.txt";
    EXPECT_EQ(WriteTextFile(inMissingFolder, L"x"), ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(SystemOpenError(inMissingFolder, GENERIC_WRITE, CREATE_ALWAYS),
              DWORD(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(WriteTextFile(dir + L"folder.txt", L"x"), ERROR_ACCESS_DENIED);
    EXPECT_TRUE(fs::is_directory(dir + L"folder.txt"));

    const std::wstring settings = dir + L"Settings.txt";
    ASSERT_EQ(WriteTextFile8(settings, L"Language = German\n"), 0);
    ASSERT_TRUE(fs::create_directory(ReplacementPathFor(settings)));
    EXPECT_EQ(WriteTextFile8(settings, L"Language = English\n"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(ReadBytes(settings), "Language = German\r\n");
}

TEST_F(Win32FilesTest, SettingsAreEightBitUnlessACharacterHasNoByte) {
    const std::wstring path = dir + L"Settings.txt";
    ASSERT_EQ(WriteTextFile8(path, L"ExcludeMax = \u00e4\u20ac.exe\n"), 0);
    EXPECT_EQ(ReadBytes(path), "ExcludeMax = \xE4\x80.exe\r\n");

    ASSERT_EQ(WriteTextFile8(path, L"Language = English\nExcludeMax = C:\\\u4e2d.exe\n"), 0);
    EXPECT_TRUE(ReadBytes(path).starts_with("\xEF\xBB\xBFLanguage = English\r\n"));
    Lines lines;
    ASSERT_EQ(ReadTextLines(path, lines), 2);
    EXPECT_EQ(lines[1], L"ExcludeMax = C:\\\u4e2d.exe");
}

TEST_F(Win32FilesTest, ListFilesListsFilesOnlyWhateverTheCase) {
    for (const wchar_t* name :
         {L"b.txt", L"a.txt", L"LAYOUT.TXT", L"a.txtx", L"s.csv", L"\u00c4rger \u4e2d.txt"}) {
        ASSERT_EQ(WriteTextFile(dir + name, L""), 0) << name;
    }
    ::CreateDirectoryW((dir + L"c.txt").c_str(), nullptr);
    Lines names;
    EXPECT_EQ(ListFiles(dir, kArrangementPattern, names), 4);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Lines{L"LAYOUT.TXT", L"a.txt", L"b.txt", L"\u00c4rger \u4e2d.txt"}));
}

TEST_F(Win32FilesTest, AFiftyMegabyteFileIsReadWhole) {
    const std::wstring path = dir + L"large.txt";
    std::wstring text(std::size_t{1} << 20, L'x');  // a 1 MB line first
    text += L'\n';
    const std::wstring line = std::wstring(48, L'\u00e4') + L'\n';
    while (text.size() < (std::size_t{25} << 20)) text += line;  // 2 bytes per character
    ASSERT_EQ(WriteTextFile(path, text), 0);
    const auto start = std::chrono::steady_clock::now();
    Lines lines;
    const int count = ReadTextLines(path, lines);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    RecordProperty("read_50mb_seconds", std::to_string(took.count()));
    std::printf("Read %llu bytes in %.2f s\n", static_cast<unsigned long long>(fs::file_size(path)),
                took.count());
    EXPECT_EQ(count, static_cast<int>(1 + (text.size() - (1 << 20) - 1) / line.size()));
    EXPECT_EQ(lines.front().size(), std::size_t{1} << 20);
    EXPECT_LT(took.count(), 60.0);
}

}  // namespace
}  // namespace tilora
