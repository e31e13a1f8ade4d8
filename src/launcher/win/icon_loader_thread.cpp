#include "launcher/win/icon_loader_thread.h"

#include "base/win/owners.h"
#include "launcher/icon_loader.h"
#include "launcher/launcher_limits.h"
#include "launcher/win/launcher_state.h"

#include <objbase.h>
#include <atomic>
#include <shellapi.h>

namespace {

std::atomic<HWND> endNoticeWindow{nullptr};
std::atomic<UINT> endNoticeMessage{0};

class ShellIconSource : public IconSource {
public:
    int smallIconIndex(const std::string& path) override
    {
        SHFILEINFOA info{};
        if (!SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON))
            return -1;
        // Only the index into the system image list is kept; the list itself holds the picture.
        if (info.hIcon)
            DestroyIcon(info.hIcon);
        return info.iIcon;
    }
};

class WindowIconPoster : public IconPoster {
public:
    explicit WindowIconPoster(HWND window) : window_(window) {}
    void postIcon(std::uint32_t rowAndGeneration, int image) override
    {
        PostMessageA(window_, WM_LAUNCHER_ICON, rowAndGeneration, image);
    }

private:
    HWND window_;
};

void loadIconsUntilStopped(HWND window)
{
    // Some shell icon handlers are COM objects.
    const ComApartment apartment;
    ShellIconSource source;
    WindowIconPoster poster(window);
    SharedResultList& results = launcherShared.results;
    while (!results.loaderStopRequested) {
        if (results.iconLoaderPaused)
            Sleep(IconLoaderIdleSleepMs);
        else
            loadNextIcon(results, launcherShared.lock, source, poster);
    }
}

DWORD WINAPI iconLoaderMain(void* parameter)
{
    loadIconsUntilStopped(static_cast<HWND>(parameter));
    launcherShared.lock.destroy();
    OwnedHandle(launcherShared.loaderThread.load()).close();
    launcherShared.loaderThread = nullptr;
    if (HWND waiting = endNoticeWindow.load())
        PostMessageA(waiting, endNoticeMessage.load(), 0, 0);
    return 0;
}

} // namespace

bool startIconLoader(HWND window)
{
    if (launcherShared.loaderThread)
        return true;
    launcherShared.results.loaderStopRequested = 0;
    // The thread must not finish before its handle is stored: it closes that handle itself.
    HANDLE thread = CreateThread(nullptr, 0, iconLoaderMain, window, CREATE_SUSPENDED, nullptr);
    if (!thread)
        return false;
    launcherShared.loaderThread = thread;
    ResumeThread(thread);
    return true;
}

void notifyWhenIconLoaderEnds(HWND window, UINT message)
{
    endNoticeMessage = message;
    endNoticeWindow = window;
}

bool iconLoaderRunning()
{
    return launcherShared.loaderThread.load() != nullptr;
}
