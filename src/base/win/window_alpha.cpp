#include "base/win/window_alpha.h"

namespace {

using SetLayeredWindowAttributesFunction = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// Looked up at run time: older systems lack the function, and the program must still start there.
SetLayeredWindowAttributesFunction findSetLayeredWindowAttributes()
{
    HMODULE user32 = GetModuleHandleA("USER32.DLL");
    if (!user32)
        return nullptr;
    FARPROC found = GetProcAddress(user32, "SetLayeredWindowAttributes");
    return reinterpret_cast<SetLayeredWindowAttributesFunction>(reinterpret_cast<void*>(found));
}

} // namespace

bool transparencySupported()
{
    return findSetLayeredWindowAttributes() != nullptr;
}

void setWindowAlpha(HWND window, BYTE alpha)
{
    SetLayeredWindowAttributesFunction setLayered = findSetLayeredWindowAttributes();
    if (!setLayered)
        return;
    const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    SetWindowLongA(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    setLayered(window, 0, alpha, LWA_ALPHA);
}
