#include "launcher/win/keyboard_filter.h"

#include "base/win/owners.h"
#include "launcher/launcher_keys.h"

namespace {

OwnedHook filterHook;
HWND filteredWindow = nullptr;

bool belongsToLauncher(HWND window)
{
    return window == filteredWindow || IsChild(filteredWindow, window);
}

LRESULT CALLBACK keyboardFilter(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_DIALOGBOX) {
        const MSG* message = reinterpret_cast<const MSG*>(lParam);
        if (message->message == WM_KEYDOWN && belongsToLauncher(message->hwnd)) {
            const LauncherCommand command = commandForKey(static_cast<int>(message->wParam));
            if (command != LauncherCommand::None) {
                PostMessageA(filteredWindow, FirstPrivateMessage + static_cast<UINT>(command), message->wParam, 0);
                return 1;
            }
        }
    }
    return CallNextHookEx(filterHook.get(), code, wParam, lParam);
}

} // namespace

void installKeyboardFilter(HWND launcherWindow)
{
    filteredWindow = launcherWindow;
    filterHook.reset(SetWindowsHookExA(WH_MSGFILTER, keyboardFilter, nullptr, GetCurrentThreadId()));
}

void removeKeyboardFilter()
{
    filterHook.reset();
    filteredWindow = nullptr;
}
