#include "app/win/every_session_close.h"

#include "base/win/owners.h"

#include <sddl.h>

namespace {

// In the machine's namespace, which every session shares.
constexpr char CloseEventName[] = "Global\\TandorCloseInEverySession";
// SYSTEM and Administrators may do anything with it; everybody else may only wait for it. The
// entry for the owner's rights keeps the user whose launcher made it from changing that.
constexpr char CloseEventSecurity[] = "D:(A;;GA;;;S-1-5-18)(A;;GA;;;S-1-5-32-544)"
                                      "(A;;0x00100000;;;S-1-1-0)(A;;0x00100000;;;S-1-3-4)";

// Opened for waiting when a launcher of another session made it already, made otherwise.
HANDLE openCloseEvent()
{
    if (HANDLE event = OpenEventA(SYNCHRONIZE, FALSE, CloseEventName))
        return event;
    LocalMemory<PSECURITY_DESCRIPTOR> descriptor;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(CloseEventSecurity, SDDL_REVISION_1, descriptor.out(),
                                                              nullptr))
        return nullptr;
    SECURITY_ATTRIBUTES attributes = {sizeof attributes, descriptor.get(), FALSE};
    HANDLE event = CreateEventA(&attributes, TRUE, FALSE, CloseEventName);
    // Made by another session in between: only waiting is granted.
    if (event == nullptr && GetLastError() == ERROR_ACCESS_DENIED)
        event = OpenEventA(SYNCHRONIZE, FALSE, CloseEventName);
    return event;
}

} // namespace

bool closeEverySessionsLauncher()
{
    const OwnedHandle event(OpenEventA(EVENT_MODIFY_STATE, FALSE, CloseEventName));
    return event.valid() && SetEvent(event.get());
}

EverySessionCloseListener::EverySessionCloseListener(HWND window) : event_(openCloseEvent())
{
    if (event_.valid() &&
        !RegisterWaitForSingleObject(&wait_, event_.get(), onSignal, window, INFINITE, WT_EXECUTEONLYONCE))
        wait_ = nullptr;
}

EverySessionCloseListener::~EverySessionCloseListener()
{
    if (wait_ != nullptr)
        UnregisterWaitEx(wait_, INVALID_HANDLE_VALUE); // returns once a running callback has ended
}

void CALLBACK EverySessionCloseListener::onSignal(PVOID window, BOOLEAN)
{
    PostMessageA(static_cast<HWND>(window), WM_QUIT, 0, 0);
}
