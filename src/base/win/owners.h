// Windows resources this program holds, each given back by one small owner when it goes: the
// only places that close handles, release COM objects, free memory and strings (the system's
// for the caller, global blocks, blocks in other processes), destroy menus and icons, unhook
// hooks and release device contexts.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

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

// One value of a kind the system hands out, given back by the kind's `release` when its owner
// goes or holds another. A kind names its value type, the value that holds nothing and the call
// that gives a value back.
template <typename Kind>
class Owned {
public:
    using Value = typename Kind::Value;

    Owned() = default;
    explicit Owned(Value value) : value_(value) {}
    ~Owned() { reset(); }
    Owned(Owned&& other) noexcept : value_(other.release()) {}
    Owned& operator=(Owned&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;

    Value get() const { return value_; }
    bool valid() const { return value_ != Kind::none(); }

    // Gives back the value held so far and holds `value` instead.
    void reset(Value value = Kind::none())
    {
        if (valid())
            Kind::release(value_);
        value_ = value;
    }
    // Hands the value to whoever takes it next (the clipboard, say): it is no longer given back here.
    Value release()
    {
        const Value value = value_;
        value_ = Kind::none();
        return value;
    }
    // Where an allocating call writes the new value; any earlier one is given back.
    Value* out()
    {
        reset();
        return &value_;
    }

private:
    Value value_ = Kind::none();
};

namespace owned_kinds {

// The search handle of a folder listing (FindFirstFile).
struct FileSearch {
    using Value = HANDLE;
    static HANDLE none() { return INVALID_HANDLE_VALUE; }
    static void release(HANDLE search) { FindClose(search); }
};
// A change notification on a folder (FindFirstChangeNotification).
struct ChangeNotification {
    using Value = HANDLE;
    static HANDLE none() { return INVALID_HANDLE_VALUE; }
    static void release(HANDLE notification) { FindCloseChangeNotification(notification); }
};
// A block that the shell or COM allocated for the caller (a name, an item list).
template <typename Pointer>
struct TaskMemory {
    using Value = Pointer;
    static Pointer none() { return nullptr; }
    static void release(Pointer block) { CoTaskMemFree(block); }
};
// A block that the system allocated with LocalAlloc for the caller (a message's text, a security
// descriptor).
template <typename Pointer>
struct LocalMemory {
    using Value = Pointer;
    static Pointer none() { return nullptr; }
    static void release(Pointer block) { LocalFree(block); }
};
// A movable block from GlobalAlloc, the form the clipboard takes data in.
struct GlobalMemory {
    using Value = HGLOBAL;
    static HGLOBAL none() { return nullptr; }
    static void release(HGLOBAL block) { GlobalFree(block); }
};
// A string that a COM object allocated for the caller.
struct Bstr {
    using Value = BSTR;
    static BSTR none() { return nullptr; }
    static void release(BSTR text) { SysFreeString(text); }
};
// An icon loaded or made by this program (not a shared one, which is never destroyed).
struct Icon {
    using Value = HICON;
    static HICON none() { return nullptr; }
    static void release(HICON icon) { DestroyIcon(icon); }
};
// A hook this program set.
struct Hook {
    using Value = HHOOK;
    static HHOOK none() { return nullptr; }
    static void release(HHOOK hook) { UnhookWindowsHookEx(hook); }
};
// A WinEvent hook this program set (accessibility events).
struct WinEventHook {
    using Value = HWINEVENTHOOK;
    static HWINEVENTHOOK none() { return nullptr; }
    static void release(HWINEVENTHOOK hook) { UnhookWinEvent(hook); }
};
// A menu loaded or made by this program (a popup lent to TrackPopupMenu stays the menu's).
struct Menu {
    using Value = HMENU;
    static HMENU none() { return nullptr; }
    static void release(HMENU menu) { DestroyMenu(menu); }
};

} // namespace owned_kinds

using OwnedFileSearch = Owned<owned_kinds::FileSearch>;
using OwnedChangeNotification = Owned<owned_kinds::ChangeNotification>;
template <typename Pointer>
using TaskMemory = Owned<owned_kinds::TaskMemory<Pointer>>;
template <typename Pointer>
using LocalMemory = Owned<owned_kinds::LocalMemory<Pointer>>;
using GlobalMemory = Owned<owned_kinds::GlobalMemory>;
using OwnedBstr = Owned<owned_kinds::Bstr>;
using OwnedIcon = Owned<owned_kinds::Icon>;
using OwnedHook = Owned<owned_kinds::Hook>;
using OwnedWinEventHook = Owned<owned_kinds::WinEventHook>;
using OwnedMenu = Owned<owned_kinds::Menu>;

// The clipboard, open for this thread while the owner lives: close it before another program
// is to read it.
class OpenedClipboard {
public:
    OpenedClipboard() : open_(OpenClipboard(nullptr) != FALSE) {}
    ~OpenedClipboard()
    {
        if (open_)
            CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;

    bool isOpen() const { return open_; }

private:
    bool open_;
};

// Memory committed in another process (VirtualAllocEx), for messages such as a list view's whose
// pointers must be the receiver's own. The process handle must outlive this owner.
class RemoteMemory {
public:
    RemoteMemory(HANDLE process, SIZE_T size)
        : process_(process),
          block_(process ? VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE) : nullptr)
    {
    }
    ~RemoteMemory()
    {
        if (block_)
            VirtualFreeEx(process_, block_, 0, MEM_RELEASE);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    // The block's address in the other process: never to be read or written here directly.
    char* get() const { return static_cast<char*>(block_); }

private:
    HANDLE process_;
    void* block_;
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
