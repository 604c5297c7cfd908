// A fresh folder and a freshly started Tilora.exe for every scenario.
#pragma once

#include <algorithm>
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
    // Brings the window to the front until Tilora has taken it as the last active window: the
    // latest "New last active Window: " line names it. Other lines may have come after that one
    // (the timer also reports other windows that came to the front meanwhile).
    bool MakeLastActive(HWND window) const {
        wchar_t title[256] = {};
        ::GetWindowTextW(window, title, 256);
        const std::wstring prefix = L"New last active Window: ";
        const bool taken = WaitFor([&] {
            ::SetForegroundWindow(window);
            const auto lines = tilora.LogLines();
            for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
                if (line->rfind(prefix, 0) == 0) return *line == prefix + title;
            }
            return false;
        });
        if (!taken) {
            wchar_t front[256] = {};
            ::GetWindowTextW(::GetForegroundWindow(), front, 256);
            std::wstring report = L"in front: '" + std::wstring(front) + L"'; last lines:";
            const auto lines = tilora.LogLines();
            for (std::size_t i = lines.size() > 6 ? lines.size() - 6 : 0; i < lines.size(); ++i) {
                report += L"\n  " + lines[i].substr(0, 120);
            }
            // What Tilora's own capture sees (command 2 lists every window it takes).
            tilora.ChooseCommandEntry(2);
            ::Sleep(1500);
            const auto listed = tilora.LogLines();
            for (std::size_t i = lines.size(); i < listed.size(); ++i) {
                report += L"\n  listed: " + listed[i].substr(0, 100);
            }
            std::fwprintf(stderr, L"%ls\n", report.c_str());
        }
        return taken;
    }
    // Waits until that many lines have come since the start-up; those lines then.
    std::vector<std::wstring> WaitForNewLogLines(std::size_t count) const {
        tilora.WaitForLogLines(startLines + count);
        return NewLogLines();
    }
};

}  // namespace tilora::e2e
