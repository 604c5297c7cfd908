#include "app/StartFolder.h"

#include <algorithm>
#include <cstdint>

namespace tilora {
namespace {

// Short enough that the whole name stays far below 260 characters.
constexpr std::size_t kReadableTail = 96;
// How long a start waits for another one in its folder that is just starting (and has not shown
// its dialog yet) or just ending (and has not released the folder yet): 10 seconds.
constexpr int kStartFolderAttempts = 100;
constexpr unsigned kStartFolderWaitMs = 100;

std::wstring Hex64(std::uint64_t value) {
    static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring text(16, L'0');
    for (std::size_t i = 16; i-- > 0; value >>= 4) text[i] = kDigits[value & 0xF];
    return text;
}

// 64-bit FNV-1a over the code units.
std::uint64_t Hash(std::wstring_view text) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (wchar_t c : text) {
        hash ^= static_cast<std::uint32_t>(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

std::wstring_view WithoutTrailingSeparators(std::wstring_view path) {
    while (!path.empty() && (path.back() == L'\\' || path.back() == L'/')) path.remove_suffix(1);
    return path;
}

// The visible dialog of that process; none while it has not shown it yet or no longer shows it.
WindowHandle DialogOf(const WindowManager& windows, unsigned processId,
                      const std::wstring& ownTitle) {
    for (WindowHandle window : windows.EnumDesktopWindows()) {
        if (windows.GetWindowProcessId(window) != processId || !windows.IsWindowVisible(window))
            continue;
        // The system's copy of the title: asking a dialog that hangs would hang this start too.
        const int capacity = static_cast<int>(ownTitle.size()) + 2;
        if (windows.InternalWindowText(window, capacity) == ownTitle) return window;
    }
    return kNoWindow;
}

void BringToFront(WindowManager& windows, WindowHandle dialog) {
    const auto placement = windows.GetWindowPlacement(dialog);
    // Without waiting: the other dialog may be busy.
    if (placement && placement->showCmd == kSwShowMinimized) {
        windows.ShowWindowAsync(dialog, kSwRestore);
    }
    windows.SetForegroundWindow(dialog);
}

}  // namespace

std::wstring FolderObjectName(std::wstring_view kind, std::wstring_view folderKey) {
    std::wstring tail(
        folderKey.substr(folderKey.size() - std::min(folderKey.size(), kReadableTail)));
    for (wchar_t& c : tail) {
        if (c == L'\\') c = L'/';
    }
    return L"Local\\Tilora." + std::wstring(kind) + L"." + Hex64(Hash(folderKey)) + L"." + tail;
}

StartDecision ClaimStartFolder(NamedObjects& objects, WindowManager& windows,
                               const std::wstring& folder, const std::wstring& ownTitle) {
    const std::wstring key =
        objects.UpperCaseInvariant(std::wstring(WithoutTrailingSeparators(folder)));
    const std::wstring mutexName = FolderObjectName(L"Folder", key);
    const std::wstring dialogName = FolderObjectName(L"Dialog", key);
    for (int attempt = 0; attempt < kStartFolderAttempts; ++attempt) {
        const MutexClaim claim =
            objects.ClaimMutex(mutexName, attempt == 0 ? 0 : kStartFolderWaitMs);
        // Without a guard the program still starts, as it did before there was one.
        if (claim != MutexClaim::HeldElsewhere) {
            if (claim == MutexClaim::Owned) objects.PublishProcessId(dialogName);
            return StartDecision::Run;
        }
        const auto holder = objects.PublishedProcessId(dialogName);
        const WindowHandle dialog = holder ? DialogOf(windows, *holder, ownTitle) : kNoWindow;
        if (dialog != kNoWindow) {
            BringToFront(windows, dialog);
            return StartDecision::ShownRunningDialog;
        }
    }
    return StartDecision::GaveUp;
}

}  // namespace tilora
