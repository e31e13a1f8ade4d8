// Looking at the launcher's shell side from outside: hotkey, tray icon, registered messages.
#include "driver.h"

#include <shellapi.h>

#include <cstdio>
#include <cstdlib>

namespace {

// Exit 0 when this program can register the hotkey value (Hotkey setting form), that is when
// no other program holds it.
int tryRegisterHotkey(const Arguments& a)
{
    if (a.empty())
        return UsageError;
    const int hotkey = toInt(a[0]);
    UINT modifiers = 0;
    if (hotkey & 0x100) modifiers |= MOD_SHIFT;
    if (hotkey & 0x200) modifiers |= MOD_CONTROL;
    if (hotkey & 0x400) modifiers |= MOD_ALT;
    if (hotkey & 0x800) modifiers |= MOD_WIN;
    if (!RegisterHotKey(nullptr, 1, modifiers, hotkey & 0xFF))
        return Failure;
    UnregisterHotKey(nullptr, 1);
    return Success;
}

int registeredMessage(const Arguments& a)
{
    if (a.empty())
        return UsageError;
    std::printf("%u\n", RegisterWindowMessageA(a[0].c_str()));
    return Success;
}

int windowHandle(const Arguments& a)
{
    return withWindow(a, 2, topWindowOf, [&](HWND window) {
        std::printf("%lu\n", static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(window)));
        return Success;
    });
}

// Exit 0 when the notification area holds icon 0 of the window with this handle.
int trayIconOfHandle(const Arguments& a)
{
    if (a.empty())
        return UsageError;
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(std::strtoul(a[0].c_str(), nullptr, 0)));
    return Shell_NotifyIconA(NIM_MODIFY, &data) ? Success : Failure;
}

const Registration registrations[] = {
    {"try-register-hotkey", "HOTKEY_VALUE", tryRegisterHotkey},
    {"registered-message", "NAME", registeredMessage},
    {"window-handle", "CLASS TITLE", windowHandle},
    {"tray-icon-of-handle", "HANDLE", trayIconOfHandle},
};

} // namespace
