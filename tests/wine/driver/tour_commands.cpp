// The tour guide's side of the launcher window: whether the typed text has been marked.
#include "driver.h"

#include <cstdio>

namespace {

constexpr int QueryEditId = 1002;

BOOL CALLBACK checkQueryOwner(HWND window, LPARAM parameter)
{
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(window) || !GetDlgItem(window, QueryEditId))
        return TRUE;
    *reinterpret_cast<HWND*>(parameter) = window;
    return FALSE;
}

// Prints "START END" of the selection in the launcher window's query edit.
int querySelection(const Arguments&)
{
    HWND launcher = nullptr;
    EnumWindows(checkQueryOwner, reinterpret_cast<LPARAM>(&launcher));
    if (!launcher)
        return Failure;
    DWORD_PTR packed = 0;
    // With null pointers the answer comes packed in the result, which crosses processes.
    if (!SendMessageTimeoutA(GetDlgItem(launcher, QueryEditId), EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &packed))
        return Failure;
    std::printf("%u %u\n", static_cast<unsigned>(LOWORD(packed)), static_cast<unsigned>(HIWORD(packed)));
    return Success;
}

const Registration registrations[] = {
    {"query-selection", "  (START END of the launcher window's query selection)", querySelection},
};

} // namespace
