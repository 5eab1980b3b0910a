// Owners of the handles the program holds: each is given back on every path out of
// the scope that owns it.
#pragma once

#include "platform/Win32.h"

#include <utility>

// A device context of a window (of the whole screen for none), released with it.
class WindowDC {
public:
    explicit WindowDC(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a device context, the previous one selected back at the end.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Sole owner of a handle that `destroy` gives back: a key, a kernel object, a window,
// a font, a bitmap, a menu, an accelerator table.
template <typename Handle, auto destroy>
class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Owned& operator=(Owned&& other) noexcept {
        reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    ~Owned() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // Gives the handle to another owner (a menu bar to its window).
    Handle release() { return std::exchange(handle_, nullptr); }
    void reset(Handle handle = nullptr) {
        if (handle_) destroy(handle_);
        handle_ = handle;
    }
    // For an out-parameter (RegOpenKeyExA, OpenProcessToken): whatever was held goes first.
    Handle* put() {
        reset();
        return &handle_;
    }

private:
    Handle handle_ = nullptr;
};

inline void closeKey(HKEY key) { RegCloseKey(key); }
inline void closeHandle(HANDLE handle) { CloseHandle(handle); }
inline void destroyWindow(HWND window) { DestroyWindow(window); }
inline void deleteGdiObject(HGDIOBJ object) { DeleteObject(object); }
inline void destroyMenu(HMENU menu) { DestroyMenu(menu); }
inline void destroyAccelerators(HACCEL table) { DestroyAcceleratorTable(table); }

using RegKey = Owned<HKEY, &closeKey>;
using OwnedHandle = Owned<HANDLE, &closeHandle>;  // a process, a thread, a token
using OwnedWindow = Owned<HWND, &destroyWindow>;
using OwnedFont = Owned<HFONT, &deleteGdiObject>;
using OwnedBitmap = Owned<HBITMAP, &deleteGdiObject>;
using OwnedBrush = Owned<HBRUSH, &deleteGdiObject>;
using OwnedMenu = Owned<HMENU, &destroyMenu>;
using OwnedAccelerators = Owned<HACCEL, &destroyAccelerators>;
