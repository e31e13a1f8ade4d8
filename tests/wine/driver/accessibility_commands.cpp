// What a screen reader would be told by the launcher: live-region announcements heard through an
// out-of-context WinEvent hook, as an assistive program in its own process hears them.
#include "driver.h"

#include "base/win/owners.h"

#include <oleacc.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD LiveRegionChangedEvent = 0x8019;
constexpr int QueryEditId = 1002;
constexpr int AnnouncementTextSize = 1024;

FILE* announcements = nullptr;

bool inLauncher(HWND window)
{
    HWND root = GetAncestor(window, GA_ROOT);
    return root != nullptr && GetDlgItem(root, QueryEditId) != nullptr;
}

// The text as a reader gets it: the accessible object's name, else the window's text.
std::string announcedText(HWND window, LONG object, LONG child)
{
    IAccessible* accessible = nullptr;
    VARIANT childId{};
    std::string text;
    if (SUCCEEDED(AccessibleObjectFromEvent(window, object, child, &accessible, &childId)) && accessible) {
        const ComPointer<IAccessible> owned(accessible);
        OwnedBstr name;
        if (SUCCEEDED(accessible->get_accName(childId, name.out())) && name.get()) {
            char narrow[AnnouncementTextSize] = "";
            WideCharToMultiByte(CP_ACP, 0, name.get(), -1, narrow, sizeof narrow, nullptr, nullptr);
            text = narrow;
        }
    }
    if (text.empty()) {
        char windowText[AnnouncementTextSize] = "";
        GetWindowTextA(window, windowText, sizeof windowText);
        text = windowText;
    }
    return text;
}

void CALLBACK onWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    if (event != LiveRegionChangedEvent || !window || !inLauncher(window))
        return;
    // One line per announcement: the hint's line breaks become blanks.
    std::string text = announcedText(window, object, child);
    for (char& c : text)
        if (c == '\r' || c == '\n')
            c = ' ';
    std::fprintf(announcements, "%s\n", text.c_str());
    std::fflush(announcements);
}

// Appends each announcement as a line to FILE until STOP_FILE exists or SECONDS pass. Hooks every
// process (a hook filtered by process id hears nothing under Wine) and keeps the launcher's own.
int recordAnnouncements(const Arguments& a)
{
    if (a.size() < 3)
        return UsageError;
    const ComApartment apartment;
    announcements = std::fopen(a[0].c_str(), "wb");
    if (!announcements)
        return Failure;
    {
        // Unhooked before the file closes: no event may arrive to write to a closed file.
        const OwnedWinEventHook hook(SetWinEventHook(LiveRegionChangedEvent, LiveRegionChangedEvent, nullptr,
                                                     onWinEvent, 0, 0, WINEVENT_OUTOFCONTEXT));
        if (!hook.get())
            return Failure;
        std::fprintf(stderr, "hooked\n");
        const DWORD end = GetTickCount() + static_cast<DWORD>(toInt(a[2])) * 1000;
        while (GetTickCount() < end && GetFileAttributesA(a[1].c_str()) == INVALID_FILE_ATTRIBUTES) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageA(&message);
        }
    }
    std::fclose(announcements);
    return Success;
}

const Registration registrations[] = {
    {"record-announcements", "FILE STOP_FILE SECONDS  (one line per live-region announcement)",
     recordAnnouncements},
};

} // namespace
