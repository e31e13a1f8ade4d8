#include "launcher/win/announcer.h"

#include "base/win/owners.h"
#include "base/win/texts.h"
#include "resources/resource.h"

#include <oleacc.h>

namespace {

// Defined by Windows 8's headers, which the build does not target.
constexpr DWORD LiveRegionChangedEvent = 0x8019;
// UI Automation's LiveSetting property and its Polite value.
const GUID LiveSettingProperty = {0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG PoliteLiveSetting = 1;

// Timer messages come only when no input nor posted message waits, so the shortest period lets
// queued keys through first and speaks soon after the last.
constexpr UINT AnnouncementDelayMs = USER_TIMER_MINIMUM;

} // namespace

void makeLiveRegion(HWND liveRegion)
{
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                reinterpret_cast<void**>(&services))))
        return;
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = PoliteLiveSetting;
    const ComPointer<IAccPropServices> owned(services);
    owned->SetHwndProp(liveRegion, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, LiveSettingProperty, polite);
}

AnnouncementTexts loadAnnouncementTexts()
{
    AnnouncementTexts texts;
    texts.row = loadText(IDS_ANNOUNCE_ROW);
    texts.rowWithoutDirectory = loadText(IDS_ANNOUNCE_ROW_NO_DIRECTORY);
    const UINT kindIds[] = {IDS_KIND_PROGRAM, IDS_KIND_DOCUMENT, IDS_KIND_FOLDER, IDS_KIND_SHORTCUT,
                            IDS_KIND_FAVOURITE};
    static_assert(sizeof kindIds / sizeof kindIds[0] == static_cast<int>(EntryKind::Count), "a text per kind");
    for (int kind = 0; kind < static_cast<int>(EntryKind::Count); ++kind)
        texts.kinds[kind] = loadText(kindIds[kind]);
    return texts;
}

void scheduleAnnouncement(HWND window)
{
    SetTimer(window, AnnouncementTimerId, AnnouncementDelayMs, nullptr);
}

void announce(HWND window, HWND liveRegion, const std::string& text)
{
    KillTimer(window, AnnouncementTimerId);
    SetWindowTextA(liveRegion, text.c_str());
    NotifyWinEvent(LiveRegionChangedEvent, liveRegion, OBJID_CLIENT, CHILDID_SELF);
}
