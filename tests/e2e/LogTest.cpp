// The log under load, through the real Tilora.exe: an arrangement whose every line names a window
// that is not open writes one line per file line.
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <fstream>
#include <gtest/gtest.h>

#include "TiloraDriver.h"
#include "platform/ControlIds.h"

namespace tilora::e2e {
namespace {

constexpr wchar_t kNotFound[] =
    L" ! The following, file saved window was not found among the currently opened windows, thus "
    L"being minimized: ";

void WriteUtf16(const std::filesystem::path& file, const std::wstring& text) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>((c >> 8) & 0xFF);
    }
    std::ofstream(file, std::ios::binary) << bytes;
}

TEST(Log, AnArrangementOfThreeThousandAbsentWindowsReportsEveryLine) {
    constexpr int kLines = 3000;
    ScratchFolder folder(L"Tilora many lines");
    std::filesystem::create_directories(folder.path() / L"_Arrangements");
    std::vector<std::wstring> fileLines;
    std::wstring text;
    for (int i = 0; i < kLines; ++i) {
        fileLines.push_back(
            L"zLevel:   1; showCmd: 1; size:  400x 300; ltrb:   10/  20/ 410/ 320; "
            L"winName: Absent window " +
            std::to_wstring(i) + L"; procPath: C:\\absent\\absent.exe;");
        text += fileLines.back() + L"\r\n";
    }
    WriteUtf16(folder.path() / L"_Arrangements" / L"Absent.txt", text);

    TiloraProcess tilora(folder.path());
    ASSERT_NE(tilora.dialog(), nullptr);
    ASSERT_TRUE(tilora.WaitForStartUpReport());
    const std::size_t before = tilora.LogLines().size();

    // A sent click returns once its handler has.
    const auto start = std::chrono::steady_clock::now();
    DWORD_PTR result = 0;
    ASSERT_NE(::SendMessageTimeoutW(::GetDlgItem(tilora.dialog(), IDC_BN_APPLY), BM_CLICK, 0, 0,
                                    SMTO_NORMAL, 300000, &result),
              0);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("[ figure   ] Apply of %d absent windows with their log lines: %.2f s\n", kLines,
                seconds);

    const auto lines = tilora.LogLines();
    std::vector<std::wstring> reported;
    for (std::size_t i = before; i < lines.size(); ++i) {
        if (lines[i].rfind(kNotFound, 0) == 0)
            reported.push_back(lines[i].substr(std::wcslen(kNotFound)));
    }
    EXPECT_EQ(reported, fileLines);
    ASSERT_GT(lines.size(), before);
    EXPECT_EQ(lines[before], L"The button 'Apply' was pressed.");
    // The dialog still answers and closes.
    tilora.PressEscape();
    EXPECT_TRUE(tilora.WaitForExit());
}

TEST(Log, AClickOnAFullLogAnswersWithinASecondAndItsLinesComeLast) {
    constexpr int kBound = 100000;
    constexpr int kDropped = 10000;
    ScratchFolder folder(L"Tilora full log");
    TiloraProcess tilora(folder.path());
    ASSERT_NE(tilora.dialog(), nullptr);
    ASSERT_TRUE(tilora.WaitForStartUpReport());
    tilora.FillLogTo(folder.path(), kBound);
    ASSERT_EQ(tilora.LogCount(), kBound);
    const std::wstring firstKept = tilora.LogLine(kDropped);

    // The next line makes room: the 10,000 oldest lines go, without holding the dialog up.
    DWORD_PTR result = 0;
    ASSERT_NE(::SendMessageTimeoutW(::GetDlgItem(tilora.dialog(), IDC_BN_SHOWMONRES), BM_CLICK, 0,
                                    0, SMTO_NORMAL, 1000, &result),
              0)
        << "the click did not return within 1 s";
    EXPECT_EQ(tilora.LogLine(0), firstKept);
    EXPECT_EQ(tilora.LogLine(kBound - kDropped), L"The button 'Show MonRes' was pressed.");
    EXPECT_GT(tilora.LogCount(), kBound - kDropped + 1);
    tilora.PressEscape();
    EXPECT_TRUE(tilora.WaitForExit());
}

}  // namespace
}  // namespace tilora::e2e
