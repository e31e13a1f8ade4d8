// Finding, waiting for and closing windows of other processes.
#include "driver.h"

#include <shellapi.h>

#include <cstdio>

namespace {

int waitWindow(const Arguments& a)
{
    if (a.size() < 2)
        return UsageError;
    DWORD timeout = a.size() > 2 ? static_cast<DWORD>(toInt(a[2])) : 30000;
    return waitUntil([&] { return findTopWindow(a[0], a[1]) != nullptr; }, timeout) ? Success : Failure;
}

int waitWindowGone(const Arguments& a)
{
    if (a.size() < 2)
        return UsageError;
    DWORD timeout = a.size() > 2 ? static_cast<DWORD>(toInt(a[2])) : 30000;
    return waitUntil([&] { return findTopWindow(a[0], a[1]) == nullptr; }, timeout) ? Success : Failure;
}

// Prints the window's text (its caption, or an edit box's contents).
int windowText(const Arguments& a)
{
    return withWindow(a, 2, topWindowOf, [&](HWND window) {
        if (a.size() > 2)
            window = GetDlgItem(window, toInt(a[2]));
        if (window == nullptr)
            return Failure;
        char text[4096] = "";
        SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                            nullptr);
        std::printf("%s\n", text);
        return Success;
    });
}

// Presses a button of a dialog (a message box's OK is 1, Yes 6, No 7) or closes the window.
int pressButton(const Arguments& a)
{
    if (a.size() < 3)
        return UsageError;
    HWND window = nullptr;
    if (!waitUntil([&] { return (window = findTopWindow(a[0], a[1])) != nullptr; }, a.size() > 3 ? toInt(a[3]) : 30000))
        return Failure;
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(toInt(a[2]), BN_CLICKED), 0);
    return Success;
}

int closeWindow(const Arguments& a)
{
    return withWindow(a, 2, topWindowOf, [&](HWND window) {
        PostMessageA(window, WM_CLOSE, 0, 0);
        return Success;
    });
}

// Exit 0 when the window is visible.
int windowVisible(const Arguments& a)
{
    return withWindow(a, 2, topWindowOf, [](HWND window) { return IsWindowVisible(window) ? Success : Failure; });
}

// Posts a message to a top-level window: CLASS TITLE MESSAGE [WPARAM [LPARAM]].
int postMessage(const Arguments& a)
{
    return withWindow(a, 3, topWindowOf, [&](HWND window) {
        WPARAM wParam = a.size() > 3 ? static_cast<WPARAM>(toInt(a[3])) : 0;
        LPARAM lParam = a.size() > 4 ? static_cast<LPARAM>(toInt(a[4])) : 0;
        return PostMessageA(window, static_cast<UINT>(toInt(a[2])), wParam, lParam) ? Success : Failure;
    });
}

// Exit 0 when the notification area holds an icon of the window (identifier 0): modifying
// an icon that does not exist fails.
int trayIconExists(const Arguments& a)
{
    return withWindow(a, 2, topWindowOf, [&](HWND window) {
        NOTIFYICONDATAA data = {};
        data.cbSize = NOTIFYICONDATAA_V1_SIZE;
        data.hWnd = window;
        data.uID = 0;
        data.uFlags = 0;
        return Shell_NotifyIconA(NIM_MODIFY, &data) ? Success : Failure;
    });
}

// Prints the window's position and size: left top width height.
int windowRect(const Arguments& a)
{
    if (a.size() < 2)
        return UsageError;
    HWND window = findTopWindow(a[0], a[1]);
    RECT r;
    if (window == nullptr || !GetWindowRect(window, &r))
        return Failure;
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return Success;
}

struct CountQuery {
    std::string className;
    std::string title;
    int count;
};

BOOL CALLBACK countWindow(HWND window, LPARAM data)
{
    auto* query = reinterpret_cast<CountQuery*>(data);
    char className[256] = "";
    char title[256] = "";
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if ((query->className == "-" || query->className == className) && (query->title == "-" || query->title == title))
        ++query->count;
    return TRUE;
}

// Prints how many top-level windows have the class and title.
int countWindows(const Arguments& a)
{
    if (a.size() < 2)
        return UsageError;
    CountQuery query{a[0], a[1], 0};
    EnumWindows(countWindow, reinterpret_cast<LPARAM>(&query));
    std::printf("%d\n", query.count);
    return Success;
}

const Registration registrations[] = {
    {"count-windows", "CLASS TITLE", countWindows},
    {"wait-window", "CLASS TITLE [TIMEOUT_MS]  (- for any class or title)", waitWindow},
    {"wait-window-gone", "CLASS TITLE [TIMEOUT_MS]", waitWindowGone},
    {"window-text", "CLASS TITLE [CONTROL_ID]", windowText},
    {"press-button", "CLASS TITLE BUTTON_ID [TIMEOUT_MS]", pressButton},
    {"close-window", "CLASS TITLE", closeWindow},
    {"window-visible", "CLASS TITLE", windowVisible},
    {"post-message", "CLASS TITLE MESSAGE [WPARAM [LPARAM]]", postMessage},
    {"tray-icon-exists", "CLASS TITLE", trayIconExists},
    {"window-rect", "CLASS TITLE", windowRect},
};

} // namespace
