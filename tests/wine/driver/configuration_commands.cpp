// Controls inside the pages of a property sheet: clicking, reading and choosing by control id.
#include "driver.h"

#include <cstdio>

namespace {

struct ChildSearch {
    int id;
    HWND found;
};

// A sheet's pages are children of the sheet, their controls grandchildren; only the page on
// show is visible, and two pages may use the same id.
BOOL CALLBACK matchChild(HWND child, LPARAM lParam)
{
    auto* search = reinterpret_cast<ChildSearch*>(lParam);
    if (GetDlgCtrlID(child) != search->id || !IsWindowVisible(child))
        return TRUE;
    search->found = child;
    return FALSE;
}

HWND findChild(const Arguments& a)
{
    HWND top = findTopWindow(a[0], a[1]);
    if (top == nullptr)
        return nullptr;
    ChildSearch search{toInt(a[2]), nullptr};
    EnumChildWindows(top, matchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Waits for the control, since a page shows a moment after it is chosen.
HWND waitChild(const Arguments& a)
{
    HWND child = nullptr;
    waitUntil([&] { return (child = findChild(a)) != nullptr; }, 10000);
    return child;
}

LRESULT sendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
    return static_cast<LRESULT>(result);
}

int childClick(const Arguments& a)
{
    return withWindow(a, 3, waitChild, [&](HWND child) {
        sendTo(child, BM_CLICK, 0, 0);
        return Success;
    });
}

int childChecked(const Arguments& a)
{
    return withWindow(a, 3, waitChild, [](HWND child) { return sendTo(child, BM_GETCHECK, 0, 0) == BST_CHECKED ? Success : Failure; });
}

int childEnabled(const Arguments& a)
{
    return withWindow(a, 3, waitChild, [](HWND child) { return IsWindowEnabled(child) ? Success : Failure; });
}

int childText(const Arguments& a)
{
    return withWindow(a, 3, waitChild, [&](HWND child) {
        char text[1024] = "";
        sendTo(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        std::printf("%s\n", text);
        return Success;
    });
}

// Selects an item of a drop-down list as the user would confirm it.
int childSelect(const Arguments& a)
{
    return withWindow(a, 4, waitChild, [&](HWND child) {
        sendTo(child, CB_SETCURSEL, static_cast<WPARAM>(toInt(a[3])), 0);
        sendTo(GetParent(child), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), CBN_SELENDOK),
               reinterpret_cast<LPARAM>(child));
        return Success;
    });
}

// Prints the selected item of a drop-down list (-1 for none).
int childSelection(const Arguments& a)
{
    return withWindow(a, 3, waitChild, [&](HWND child) {
        std::printf("%d\n", static_cast<int>(sendTo(child, CB_GETCURSEL, 0, 0)));
        return Success;
    });
}

// Tells a scroll bar control's dialog that the user scrolled: CODE as SB_..., POSITION for the thumb.
int childScroll(const Arguments& a)
{
    return withWindow(a, 4, waitChild, [&](HWND child) {
        const WORD position = static_cast<WORD>(a.size() > 4 ? toInt(a[4]) : 0);
        sendTo(GetParent(child), WM_HSCROLL, MAKEWPARAM(toInt(a[3]), position), reinterpret_cast<LPARAM>(child));
        return Success;
    });
}

int childScrollPosition(const Arguments& a)
{
    return withWindow(a, 3, waitChild, [&](HWND child) {
        std::printf("%d\n", GetScrollPos(child, SB_CTL));
        return Success;
    });
}

int childSetText(const Arguments& a)
{
    return withWindow(a, 4, waitChild, [&](HWND child) {
        sendTo(child, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(a[3].c_str()));
        return Success;
    });
}

// Sends a message with number arguments to a control and prints the result.
int childSend(const Arguments& a)
{
    return withWindow(a, 4, waitChild, [&](HWND child) {
        const WPARAM wParam = a.size() > 4 ? static_cast<WPARAM>(toInt(a[4])) : 0;
        const LPARAM lParam = a.size() > 5 ? static_cast<LPARAM>(toInt(a[5])) : 0;
        std::printf("%ld\n", static_cast<long>(sendTo(child, static_cast<UINT>(toInt(a[3])), wParam, lParam)));
        return Success;
    });
}

// Posts several messages in one go, so that they wait in the queue together.
int postMessages(const Arguments& a)
{
    if (a.size() < 5 || (a.size() - 2) % 3 != 0)
        return UsageError;
    HWND window = findTopWindow(a[0], a[1]);
    if (window == nullptr)
        return Failure;
    for (std::size_t i = 2; i < a.size(); i += 3)
        if (!PostMessageA(window, static_cast<UINT>(toInt(a[i])), static_cast<WPARAM>(toInt(a[i + 1])),
                          static_cast<LPARAM>(toInt(a[i + 2]))))
            return Failure;
    return Success;
}

const Registration registrations[] = {
    {"post-messages", "CLASS TITLE MESSAGE WPARAM LPARAM [MESSAGE WPARAM LPARAM]...", postMessages},
    {"child-click", "CLASS TITLE CONTROL_ID  (a visible control in the window's pages)", childClick},
    {"child-checked", "CLASS TITLE CONTROL_ID", childChecked},
    {"child-enabled", "CLASS TITLE CONTROL_ID", childEnabled},
    {"child-text", "CLASS TITLE CONTROL_ID", childText},
    {"child-select", "CLASS TITLE CONTROL_ID INDEX", childSelect},
    {"child-selection", "CLASS TITLE CONTROL_ID", childSelection},
    {"child-scroll", "CLASS TITLE CONTROL_ID CODE [POSITION]", childScroll},
    {"child-set-text", "CLASS TITLE CONTROL_ID TEXT", childSetText},
    {"child-send", "CLASS TITLE CONTROL_ID MESSAGE [WPARAM [LPARAM]]  (prints the result)", childSend},
    {"child-scroll-position", "CLASS TITLE CONTROL_ID", childScrollPosition},
};

} // namespace
