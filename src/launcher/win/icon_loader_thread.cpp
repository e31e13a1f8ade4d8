#include "launcher/win/icon_loader_thread.h"

#include "base/win/owners.h"
#include "launcher/icon_loader.h"
#include "launcher/launcher_limits.h"
#include "launcher/win/launcher_state.h"

#include <objbase.h>
#include <atomic>
#include <shellapi.h>
#include <shlobj.h>
#include <string>

#include "settings/apps_source.h"

namespace {

std::atomic<HWND> endNoticeWindow{nullptr};
std::atomic<UINT> endNoticeMessage{0};

std::wstring wideFromUtf8(const std::string& text)
{
    const int size = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.c_str(), -1, nullptr, 0);
    if (size <= 1)
        return std::wstring();
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.c_str(), -1, &wide[0], size);
    wide.resize(static_cast<std::size_t>(size - 1));
    return wide;
}

class ShellIconSource : public IconSource {
public:
    int smallIconIndex(const std::string& path) override
    {
        SHFILEINFOA info{};
        if (!iconOf(path, info))
            return -1;
        // Only the index into the system image list is kept; the list itself holds the picture.
        const OwnedIcon picture(info.hIcon);
        return info.iIcon;
    }

private:
    // A packaged app is no file: the shell finds its picture by the item's parsing name.
    static bool iconOf(const std::string& path, SHFILEINFOA& info)
    {
        const UINT flags = SHGFI_ICON | SHGFI_SMALLICON;
        if (!isAppsFolderEntryPath(path))
            return SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, flags) != 0;
        TaskMemory<PIDLIST_ABSOLUTE> item;
        const std::wstring name = wideFromUtf8(path);
        if (name.empty() || FAILED(SHParseDisplayName(name.c_str(), nullptr, item.out(), 0, nullptr)))
            return false;
        return SHGetFileInfoA(reinterpret_cast<LPCSTR>(item.get()), 0, &info, sizeof info, flags | SHGFI_PIDL) != 0;
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
