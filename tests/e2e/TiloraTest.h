// A fresh folder and a freshly started Tilora.exe for every scenario.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>
#include <vector>

#include "TiloraDriver.h"

namespace tilora::e2e {

class TiloraTest : public ::testing::Test {
  protected:
    ScratchFolder folder{L"Tilora e2e \u00f6"};
    TiloraProcess tilora{folder.path()};

    std::size_t startLines = 0;

    void SetUp() override {
        ASSERT_NE(tilora.dialog(), nullptr) << "Tilora's dialog did not appear";
        ASSERT_TRUE(tilora.WaitForStartUpReport());
        startLines = tilora.LogLines().size();
    }
    // The log lines written since the start-up's own report.
    std::vector<std::wstring> NewLogLines() const {
        const auto lines = tilora.LogLines();
        return std::vector<std::wstring>(
            lines.begin() + static_cast<std::ptrdiff_t>(std::min(startLines, lines.size())),
            lines.end());
    }
    // Brings the window to the front until Tilora has taken it as the last active window. Tilora
    // names a window once, with the title it has when it comes to the front; a program that is
    // still loading its document (notepad shows "Untitled - Notepad" first) may be named by the
    // title it had then. So when the latest "New last active Window: " line names another
    // title, command 3 is asked which window Tilora holds: it describes it as it is now.
    bool MakeLastActive(HWND window) const {
        const std::wstring prefix = L"New last active Window: ";
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
        while (std::chrono::steady_clock::now() < deadline) {
            ::SetForegroundWindow(window);
            ::Sleep(600);  // at least one timer tick
            wchar_t title[256] = {};
            ::GetWindowTextW(window, title, 256);
            auto lines = tilora.LogLines();
            for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
                if (line->rfind(prefix, 0) != 0) continue;
                if (*line == prefix + title) return true;
                break;
            }
            if (::GetForegroundWindow() != window) continue;
            const std::size_t before = lines.size();
            tilora.ChooseCommandEntry(3);
            // Its one line after the echo describes the window, or says there is none.
            std::wstring answer;
            WaitFor(
                [&] {
                    lines = tilora.LogLines();
                    for (std::size_t i = before; i < lines.size(); ++i) {
                        if (lines[i].rfind(L"Window name: ", 0) == 0 ||
                            lines[i].rfind(L" ! ", 0) == 0) {
                            answer = lines[i];
                            return true;
                        }
                    }
                    return false;
                },
                std::chrono::seconds(3));
            if (answer.rfind(L"Window name: " + std::wstring(title) + L";", 0) == 0) return true;
        }
        wchar_t front[256] = {};
        ::GetWindowTextW(::GetForegroundWindow(), front, 256);
        std::wstring report = L"in front: '" + std::wstring(front) + L"'; last lines:";
        const auto lines = tilora.LogLines();
        for (std::size_t i = lines.size() > 8 ? lines.size() - 8 : 0; i < lines.size(); ++i) {
            report += L"\n  " + lines[i].substr(0, 120);
        }
        std::fwprintf(stderr, L"%ls\n", report.c_str());
        return false;
    }
    // Waits until that many lines have come since the start-up; those lines then.
    std::vector<std::wstring> WaitForNewLogLines(std::size_t count) const {
        tilora.WaitForLogLines(startLines + count);
        return NewLogLines();
    }
};

}  // namespace tilora::e2e
