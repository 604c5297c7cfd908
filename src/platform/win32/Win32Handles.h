// Conversions between Windows handles and the core's handle values, and RAII owners.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/PlatformTypes.h"

namespace tilora::win32 {

inline HWND ToHwnd(WindowHandle handle) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(handle));
}

inline WindowHandle FromHwnd(HWND hwnd) {
    return static_cast<WindowHandle>(reinterpret_cast<std::intptr_t>(hwnd));
}

// Owns one handle and closes it once; it can be moved but never copied.
template <typename Handle, typename Traits>
class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = other.Release();
        }
        return *this;
    }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }
    Handle Release() {
        const Handle handle = handle_;
        handle_ = Traits::Invalid();
        return handle;
    }
    void Reset(Handle handle = Traits::Invalid()) {
        if (handle_ != Traits::Invalid()) Traits::Close(handle_);
        handle_ = handle;
    }

  private:
    Handle handle_ = Traits::Invalid();
};

struct ModuleTraits {
    static HMODULE Invalid() { return nullptr; }
    static void Close(HMODULE module) { ::FreeLibrary(module); }
};
using UniqueModule = UniqueHandle<HMODULE, ModuleTraits>;

struct IconTraits {
    static HICON Invalid() { return nullptr; }
    static void Close(HICON icon) { ::DestroyIcon(icon); }
};
using UniqueIcon = UniqueHandle<HICON, IconTraits>;

struct WindowTraits {
    static HWND Invalid() { return nullptr; }
    static void Close(HWND window) { ::DestroyWindow(window); }
};
using UniqueWindow = UniqueHandle<HWND, WindowTraits>;

struct BrushTraits {
    static HBRUSH Invalid() { return nullptr; }
    static void Close(HBRUSH brush) { ::DeleteObject(brush); }
};
using UniqueBrush = UniqueHandle<HBRUSH, BrushTraits>;

// Keeps a device context's selected objects, colours and modes for the scope, and restores them,
// so that nothing painted through it stays selected into a DC it does not own.
class SavedDcState {
  public:
    explicit SavedDcState(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
    ~SavedDcState() {
        if (saved_ != 0) ::RestoreDC(dc_, saved_);
    }
    SavedDcState(const SavedDcState&) = delete;
    SavedDcState& operator=(const SavedDcState&) = delete;

  private:
    HDC dc_;
    int saved_;
};

struct KernelHandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE handle) { ::CloseHandle(handle); }
};
using UniqueKernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;

struct MappedViewTraits {
    static void* Invalid() { return nullptr; }
    static void Close(void* view) { ::UnmapViewOfFile(view); }
};
using UniqueMappedView = UniqueHandle<void*, MappedViewTraits>;

// CreateFileW fails with INVALID_HANDLE_VALUE, not with a null handle.
struct FileTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE handle) { ::CloseHandle(handle); }
};
using UniqueFile = UniqueHandle<HANDLE, FileTraits>;

}  // namespace tilora::win32
