#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

#include "CallJournal.h"
#include "FakeClock.h"
#include "FakeDialogControls.h"
#include "FakeShell.h"
#include "FakeSystemLibraries.h"
#include "FakeWindowManager.h"
#include "platform/Platform.h"

namespace tilora::testing {

// Every fake the dialog needs, sharing one journal.
struct FakePlatform {
    CallJournal journal;
    FakeWindowManager windows{journal};
    FakeDialogControls controls{journal};
    FakeClock clock;
    FakeSystemLibraries libraries{journal};
    FakeShell shell;

    Platform platform() { return Platform{windows, controls, clock, libraries, shell}; }
    // The dialog's own window, which it is given by its controls.
    WindowHandle AddDialogWindow(const std::wstring& title, const Rect& rect) {
        const WindowHandle window = windows.AddWindow(title, rect);
        controls.SetDialogWindow(window);
        return window;
    }
};

// A fresh empty folder that is the current directory while the object lives.
class ScopedWorkingFolder {
  public:
    explicit ScopedWorkingFolder(const std::string& name = "tilora-test") {
        previous_ = std::filesystem::current_path();
        folder_ = std::filesystem::temp_directory_path() /
                  (name + "-" + std::to_string(counter_++) + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        std::filesystem::current_path(folder_);
    }
    ~ScopedWorkingFolder() {
        std::error_code error;
        std::filesystem::current_path(previous_, error);
        std::filesystem::remove_all(folder_, error);
    }
    ScopedWorkingFolder(const ScopedWorkingFolder&) = delete;
    ScopedWorkingFolder& operator=(const ScopedWorkingFolder&) = delete;

    const std::filesystem::path& path() const { return folder_; }

  private:
    static inline int counter_ = 0;
    std::filesystem::path previous_;
    std::filesystem::path folder_;
};

}  // namespace tilora::testing
