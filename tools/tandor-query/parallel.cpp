#include "parallel.h"

#ifdef _WIN32
#include <windows.h>

namespace {

DWORD WINAPI runTask(LPVOID task)
{
    (*static_cast<const std::function<void()>*>(task))();
    return 0;
}

} // namespace

void runBoth(const std::function<void()>& first, const std::function<void()>& second)
{
    // MinGW's standard library has no std::thread here: a plain Win32 thread.
    HANDLE thread = CreateThread(nullptr, 0, runTask, const_cast<std::function<void()>*>(&second), 0, nullptr);
    first();
    if (thread == nullptr) {
        second();
        return;
    }
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
}
#else
#include <system_error>
#include <thread>

void runBoth(const std::function<void()>& first, const std::function<void()>& second)
{
    std::thread thread;
    try {
        thread = std::thread(second);
    } catch (const std::system_error&) {
        first();
        second();
        return;
    }
    first();
    thread.join();
}
#endif
