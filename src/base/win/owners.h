// Windows resources this program holds, each given back by one small owner when it goes: the
// only places that close handles, release COM objects, destroy menus and release device contexts.
#pragma once

#include <windows.h>
#include <objbase.h>

#include "base/win/critical_section.h"

// A kernel object's handle (file, folder, thread, process, event). The system answers a failed
// open with null or INVALID_HANDLE_VALUE depending on the call; both mean "none" here.
class OwnedHandle {
public:
    OwnedHandle() = default;
    explicit OwnedHandle(HANDLE handle) : handle_(handle) {}
    ~OwnedHandle() { close(); }
    OwnedHandle(OwnedHandle&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
    OwnedHandle& operator=(OwnedHandle&& other) noexcept
    {
        if (this != &other) {
            close();
            handle_ = other.handle_;
            other.handle_ = nullptr;
        }
        return *this;
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;

    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }

    // Closes at once. False when the system says the close failed, which for a file just written
    // can mean the data never reached it.
    bool close()
    {
        if (!valid()) {
            handle_ = nullptr;
            return true;
        }
        const bool closed = CloseHandle(handle_) != FALSE;
        handle_ = nullptr;
        return closed;
    }

private:
    HANDLE handle_ = nullptr;
};

// A reference to a COM object.
template <typename Interface>
class ComPointer {
public:
    ComPointer() = default;
    explicit ComPointer(Interface* object) : object_(object) {}
    ~ComPointer() { reset(); }
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;

    Interface* get() const { return object_; }
    Interface* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

    // Where a creating or querying call writes the new reference; any earlier one is given back.
    void** out()
    {
        reset();
        return reinterpret_cast<void**>(&object_);
    }

    void reset()
    {
        if (object_)
            object_->Release();
        object_ = nullptr;
    }

private:
    Interface* object_ = nullptr;
};

// A block that the shell or COM allocated for the caller (a name, an item list).
template <typename Pointer>
class TaskMemory {
public:
    TaskMemory() = default;
    ~TaskMemory() { CoTaskMemFree(block_); }
    TaskMemory(const TaskMemory&) = delete;
    TaskMemory& operator=(const TaskMemory&) = delete;

    Pointer get() const { return block_; }

    // Where an allocating call writes the new block; any earlier one is freed.
    Pointer* out()
    {
        CoTaskMemFree(block_);
        block_ = nullptr;
        return &block_;
    }

private:
    Pointer block_ = nullptr;
};

// A menu loaded or made by this program (a popup lent to TrackPopupMenu stays the menu's).
class OwnedMenu {
public:
    explicit OwnedMenu(HMENU menu) : menu_(menu) {}
    ~OwnedMenu()
    {
        if (menu_)
            DestroyMenu(menu_);
    }
    OwnedMenu(const OwnedMenu&) = delete;
    OwnedMenu& operator=(const OwnedMenu&) = delete;

    HMENU get() const { return menu_; }

private:
    HMENU menu_;
};

// The device context of a window's client area, or of the screen for a null window.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// This thread's membership of a single-threaded COM apartment, left only if joining succeeded.
class ComApartment {
public:
    ComApartment() : joined_(CoInitialize(nullptr)) {}
    ~ComApartment()
    {
        if (SUCCEEDED(joined_))
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    HRESULT joined_;
};

// A critical section made with its owner and deleted with it, for a lock whose life is one
// object's (a lock whose life spans threads is made and deleted explicitly instead).
class OwnedCriticalSection : public CriticalSectionLock {
public:
    OwnedCriticalSection() { create(); }
    ~OwnedCriticalSection() override { destroy(); }
    OwnedCriticalSection(const OwnedCriticalSection&) = delete;
    OwnedCriticalSection& operator=(const OwnedCriticalSection&) = delete;
};
