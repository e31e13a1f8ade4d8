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

// The search handle of a folder listing (FindFirstFile); INVALID_HANDLE_VALUE means none.
class OwnedFileSearch {
public:
    explicit OwnedFileSearch(HANDLE search) : search_(search) {}
    ~OwnedFileSearch()
    {
        if (valid())
            FindClose(search_);
    }
    OwnedFileSearch(OwnedFileSearch&& other) noexcept : search_(other.search_) { other.search_ = INVALID_HANDLE_VALUE; }
    OwnedFileSearch(const OwnedFileSearch&) = delete;
    OwnedFileSearch& operator=(const OwnedFileSearch&) = delete;

    HANDLE get() const { return search_; }
    bool valid() const { return search_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE search_;
};

// A change notification on a folder (FindFirstChangeNotification); INVALID_HANDLE_VALUE means none.
class OwnedChangeNotification {
public:
    explicit OwnedChangeNotification(HANDLE notification) : notification_(notification) {}
    ~OwnedChangeNotification() { close(); }
    OwnedChangeNotification(OwnedChangeNotification&& other) noexcept : notification_(other.notification_)
    {
        other.notification_ = INVALID_HANDLE_VALUE;
    }
    OwnedChangeNotification& operator=(OwnedChangeNotification&& other) noexcept
    {
        if (this != &other) {
            close();
            notification_ = other.notification_;
            other.notification_ = INVALID_HANDLE_VALUE;
        }
        return *this;
    }
    OwnedChangeNotification(const OwnedChangeNotification&) = delete;
    OwnedChangeNotification& operator=(const OwnedChangeNotification&) = delete;

    HANDLE get() const { return notification_; }
    bool valid() const { return notification_ != INVALID_HANDLE_VALUE; }

private:
    void close()
    {
        if (valid())
            FindCloseChangeNotification(notification_);
        notification_ = INVALID_HANDLE_VALUE;
    }

    HANDLE notification_;
};

// A block that the shell or COM allocated for the caller (a name, an item list).
template <typename Pointer>
class TaskMemory {
public:
    TaskMemory() = default;
    explicit TaskMemory(Pointer block) : block_(block) {}
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

// A block that the system allocated with LocalAlloc for the caller (a message's text, a
// security descriptor).
template <typename Pointer>
class LocalMemory {
public:
    LocalMemory() = default;
    ~LocalMemory() { LocalFree(block_); }
    LocalMemory(const LocalMemory&) = delete;
    LocalMemory& operator=(const LocalMemory&) = delete;

    Pointer get() const { return block_; }

    // Where an allocating call writes the new block; any earlier one is freed.
    Pointer* out()
    {
        LocalFree(block_);
        block_ = nullptr;
        return &block_;
    }

private:
    Pointer block_ = nullptr;
};

// A movable block from GlobalAlloc, the form the clipboard takes data in. Once the clipboard has
// accepted it the block is the system's: release() hands it over so that it is not freed twice.
class GlobalMemory {
public:
    explicit GlobalMemory(HGLOBAL block) : block_(block) {}
    ~GlobalMemory()
    {
        if (block_)
            GlobalFree(block_);
    }
    GlobalMemory(const GlobalMemory&) = delete;
    GlobalMemory& operator=(const GlobalMemory&) = delete;

    HGLOBAL get() const { return block_; }
    void release() { block_ = nullptr; }

private:
    HGLOBAL block_;
};

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

// A string that a COM object allocated for the caller (a BSTR).
class OwnedBstr {
public:
    OwnedBstr() = default;
    ~OwnedBstr() { SysFreeString(text_); }
    OwnedBstr(const OwnedBstr&) = delete;
    OwnedBstr& operator=(const OwnedBstr&) = delete;

    BSTR get() const { return text_; }

    // Where a call writes the new string; any earlier one is freed.
    BSTR* out()
    {
        SysFreeString(text_);
        text_ = nullptr;
        return &text_;
    }

private:
    BSTR text_ = nullptr;
};

// An icon loaded or made by this program (not a shared one, which is never destroyed).
class OwnedIcon {
public:
    OwnedIcon() = default;
    explicit OwnedIcon(HICON icon) : icon_(icon) {}
    ~OwnedIcon() { reset(); }
    OwnedIcon(const OwnedIcon&) = delete;
    OwnedIcon& operator=(const OwnedIcon&) = delete;

    HICON get() const { return icon_; }

    // Destroys the icon held so far and holds `icon` instead.
    void reset(HICON icon = nullptr)
    {
        if (icon_)
            DestroyIcon(icon_);
        icon_ = icon;
    }

private:
    HICON icon_ = nullptr;
};

// A hook this program set; unhooked when its owner goes or another takes its place.
class OwnedHook {
public:
    OwnedHook() = default;
    ~OwnedHook() { reset(); }
    OwnedHook(const OwnedHook&) = delete;
    OwnedHook& operator=(const OwnedHook&) = delete;

    HHOOK get() const { return hook_; }

    void reset(HHOOK hook = nullptr)
    {
        if (hook_)
            UnhookWindowsHookEx(hook_);
        hook_ = hook;
    }

private:
    HHOOK hook_ = nullptr;
};

// A WinEvent hook this program set (accessibility events); unhooked when its owner goes.
class OwnedWinEventHook {
public:
    explicit OwnedWinEventHook(HWINEVENTHOOK hook) : hook_(hook) {}
    ~OwnedWinEventHook()
    {
        if (hook_)
            UnhookWinEvent(hook_);
    }
    OwnedWinEventHook(const OwnedWinEventHook&) = delete;
    OwnedWinEventHook& operator=(const OwnedWinEventHook&) = delete;

    HWINEVENTHOOK get() const { return hook_; }

private:
    HWINEVENTHOOK hook_;
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
