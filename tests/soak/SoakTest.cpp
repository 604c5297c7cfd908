// A day of timer ticks on the fake clock with 'Mouse Pstn' checked, the mouse moving on every
// tick, the foreground changing every minute and a program closing and another opening every
// quarter of an hour: the log stays within its bound, the program's memory does not grow after
// the first hour, and nothing leaks.
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "StartedDialogTest.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TILORA_SOAK_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TILORA_SOAK_ASAN 1
#endif

#ifdef TILORA_SOAK_ASAN
#include <sanitizer/lsan_interface.h>
// The sanitizer runtime's allocator statistics; GCC ships no header that declares them.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
extern "C" std::size_t __sanitizer_get_allocated_size(const volatile void* pointer);
#endif

namespace tilora {
namespace {

constexpr std::uint64_t kTicksPerMinute = 60 * 1000 / kTimerPeriodMs;
constexpr std::uint64_t kTicksPerHour = 60 * kTicksPerMinute;

// Bytes the program has asked the heap for and not given back.
std::size_t HeapInUse() {
#ifdef TILORA_SOAK_ASAN
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

// The heap block holding the text of a string, or 0 for a short text kept inside the string.
std::size_t HeapBytesOf(const std::wstring& text) {
    const void* data = text.data();
    const auto* object = reinterpret_cast<const char*>(&text);
    if (data >= object && data < object + sizeof(text)) return 0;
#ifdef TILORA_SOAK_ASAN
    return __sanitizer_get_allocated_size(data);
#else
    return malloc_usable_size(const_cast<void*>(data)) + sizeof(std::size_t);
#endif
}

std::size_t ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

int SoakHours() {
    const char* hours = std::getenv("TILORA_SOAK_HOURS");
    return hours != nullptr && std::atoi(hours) > 0 ? std::atoi(hours) : 16;
}

class Soak : public testing::StartedDialogTest {
  protected:
    struct Figures {
        int hour;
        std::size_t logLines;
        std::size_t logBytes;
        std::size_t programBytes;  // the heap in use without the log's lines
        std::size_t residentBytes;
    };

    std::vector<WindowHandle> windows;
    std::size_t nextForeground = 0;
    unsigned openedPrograms = 0;

    void OpenProgram() {
        // Process ids come round again, as the system hands them out again.
        const unsigned processId = 3000 + openedPrograms % 6;
        // Names of one length throughout, so that longer numbers do not pass for growth.
        wchar_t number[8];
        std::swprintf(number, 8, L"%05u", openedPrograms);
        const std::wstring name = L"tool" + std::wstring(number) + L".exe";
        fake.windows.AddProcess(
            processId, {name, L"C:\\Tools\\" + name, false, false, false, 1000 + openedPrograms});
        const int offset = static_cast<int>(openedPrograms % 20) * 10;
        windows.push_back(fake.windows.AddWindow(L"Document " + std::wstring(number),
                                                 {offset, offset, offset + 800, offset + 600},
                                                 processId));
        ++openedPrograms;
    }

    void CloseOldestProgram() {
        fake.windows.CloseWindow(windows.front());
        windows.erase(windows.begin());
    }

    void EveryMinute(std::uint64_t minute) {
        if (minute % 15 == 0) {
            CloseOldestProgram();
            OpenProgram();
        }
        fake.windows.SetForeground(windows[nextForeground++ % windows.size()]);
        // The fakes' own record of the calls is not the program's memory.
        fake.journal.Clear();
    }

    void Tick(std::uint64_t tick) {
        // The mouse moves on every tick, so every tick writes a line.
        fake.windows.SetCursor({static_cast<int>(tick % 1920), static_cast<int>(tick / 7 % 1080)});
        fake.clock.Advance(kTimerPeriodMs);
        dialog.OnTimer();
    }

    Figures Measure(int hour) {
        const std::vector<std::wstring>& lines = fake.controls.StoredLines(IDC_LB_INFO);
        std::size_t logBytes = lines.capacity() * sizeof(std::wstring);
        for (const std::wstring& line : lines) logBytes += HeapBytesOf(line);
        // The fake's record of the blocks it deleted grows with each one; it is not the program's.
        const std::size_t fakeRecord = fake.controls.deletedBlocks().capacity() * sizeof(int);
        const std::size_t heap = HeapInUse();
        return {hour, lines.size(), logBytes, heap - logBytes - fakeRecord, ResidentBytes()};
    }
};

TEST_F(Soak, ADayOfTicksKeepsTheLogBoundedAndTheMemoryFlat) {
    const int hours = SoakHours();
    for (int i = 0; i < 12; ++i) OpenProgram();
    fake.controls.UserSetsCheck(IDC_CK_MOUSE, true);
    dialog.OnButtonClicked(IDC_CK_MOUSE);

    std::vector<Figures> figures;
    figures.reserve(static_cast<std::size_t>(hours) + 1);  // its growth is not the program's
    std::size_t mostLines = 0;
    const std::uint64_t ticks = static_cast<std::uint64_t>(hours) * kTicksPerHour;
    for (std::uint64_t tick = 0; tick < ticks; ++tick) {
        if (tick % kTicksPerMinute == 0) EveryMinute(tick / kTicksPerMinute);
        Tick(tick);
        mostLines =
            std::max(mostLines, static_cast<std::size_t>(fake.controls.ListCount(IDC_LB_INFO)));
        const std::uint64_t done = tick + 1;
        if (done % kTicksPerHour != 0) continue;
        const int hour = static_cast<int>(done / kTicksPerHour);
        if (hour == 1 || hour == 6 || hour == 12 || hour == hours) {
            figures.push_back(Measure(hour));
            const Figures& now = figures.back();
            std::printf(
                "soak %2d h: %6zu log lines (%zu bytes), program %zu bytes, resident %zu "
                "bytes\n",
                now.hour, now.logLines, now.logBytes, now.programBytes, now.residentBytes);
        }
    }
    std::printf("soak: %d simulated hours, %llu ticks of %u ms, at most %zu log lines\n", hours,
                static_cast<unsigned long long>(ticks), kTimerPeriodMs, mostLines);

    EXPECT_LE(mostLines, static_cast<std::size_t>(InfoLog::kMaxLines));
    // Every tick wrote a line and the newest is kept.
    const std::vector<std::wstring> lines = Lines();
    EXPECT_EQ(lines.back(), L"Mouse position: x=" + std::to_wstring((ticks - 1) % 1920) + L"; y=" +
                                std::to_wstring((ticks - 1) / 7 % 1080));
    if (ticks > static_cast<std::uint64_t>(InfoLog::kMaxLines)) {
        // The log filled up to its bound and made room in blocks, never emptying itself.
        EXPECT_EQ(mostLines, static_cast<std::size_t>(InfoLog::kMaxLines));
        EXPECT_GE(lines.size(),
                  static_cast<std::size_t>(InfoLog::kMaxLines - InfoLog::kDropBlockLines));
    }
    // Apart from the log's own lines, nothing the program holds grows after the first hour.
    // The slack is below what one lost byte a minute would add up to in a day.
    ASSERT_FALSE(figures.empty());
    for (const Figures& later : figures) {
        EXPECT_LE(later.programBytes, figures.front().programBytes + 1024)
            << "at hour " << later.hour;
    }
}

#ifdef TILORA_SOAK_ASAN
// Runs after the soak's dialog and fakes are gone: whatever is still allocated and unreachable
// then was lost.
TEST(SoakLeaks, NothingIsLeftUnreachable) {
    EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0);
}
#endif

}  // namespace
}  // namespace tilora
