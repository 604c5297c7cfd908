// Starts real programs of other processes (Wine's notepad, winemine) for the integration tests
// and ends them again.
#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tilora::win32::testing {

bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(15));

class DesktopProgram {
  public:
    // Runs the command line and waits for a visible top-level window of the process whose title
    // contains the given text.
    DesktopProgram(const std::wstring& commandLine, const std::wstring& titlePart,
                   const std::filesystem::path& folder = {});
    ~DesktopProgram();
    DesktopProgram(const DesktopProgram&) = delete;
    DesktopProgram& operator=(const DesktopProgram&) = delete;

    HWND window() const { return window_; }
    DWORD processId() const { return process_.dwProcessId; }
    // Restores the window and moves it until its outer rectangle is the one given.
    bool PlaceAt(const RECT& rect) const;

  private:
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

// The outer rectangle of a window.
RECT WindowRect(HWND window);

// A folder of its own for one test, removed afterwards.
class TestFolder {
  public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace tilora::win32::testing
