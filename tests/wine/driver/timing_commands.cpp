// Timing the launcher window as a user feels it: from a key press to the refilled list.
#include "driver.h"

#include <cstdio>

namespace {

constexpr int QueryControlId = 1002;
constexpr DWORD ReplyTimeoutMs = 10000;

HWND findLauncherQuery()
{
    // The launcher window is the dialog that holds both the query edit box and the result list.
    for (HWND window = FindWindowA("#32770", nullptr); window != nullptr;
         window = FindWindowExA(nullptr, window, "#32770", nullptr)) {
        HWND edit = GetDlgItem(window, QueryControlId);
        if (edit != nullptr && GetDlgItem(window, 1001) != nullptr)
            return edit;
    }
    return nullptr;
}

int queryLength(HWND edit)
{
    DWORD_PTR length = 0;
    SendMessageTimeoutA(edit, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, ReplyTimeoutMs, &length);
    return static_cast<int>(length);
}

// A character, or '<' for Backspace.
void pressCharacter(char c)
{
    const WORD key = c == '<' ? VK_BACK : LOBYTE(VkKeyScanA(c));
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof input[0]);
}

// Types WORD ('<' is Backspace) into the open launcher window and prints, per key, the milliseconds
// until the launcher had handled it: the edit box answers a sent message only once the key's refill
// is done.
int timeTyping(const Arguments& a)
{
    if (a.empty())
        return UsageError;
    HWND edit = findLauncherQuery();
    if (edit == nullptr)
        return Failure;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    for (char c : a[0]) {
        const int before = queryLength(edit);
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        QueryPerformanceCounter(&start);
        pressCharacter(c);
        // Polled without sleeping: each look is a sent message that the launcher answers only
        // between messages, so the loop ends right after the key's refill.
        const DWORD deadline = GetTickCount() + ReplyTimeoutMs;
        const int expected = c == '<' ? before - 1 : before + 1;
        while (queryLength(edit) != expected) {
            if (GetTickCount() > deadline)
                return Failure;
        }
        QueryPerformanceCounter(&end);
        std::printf("%c %.2f\n", c, 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                                        static_cast<double>(frequency.QuadPart));
    }
    return Success;
}

const Registration registrations[] = {
    {"launcher-time-typing", "KEYS  (a word; < is Backspace; milliseconds from each key to its refilled list)", timeTyping},
};

} // namespace
