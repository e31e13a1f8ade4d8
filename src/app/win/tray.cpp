#include "app/win/tray.h"

#include <shellapi.h>

#include <string>

#include "app/win/app_state.h"
#include "base/bounded_text.h"
#include "base/win/help.h"
#include "resources/resource.h"
#include "settings/hotkey.h"

namespace {

// The first-version notify-icon record, understood by every shell.
constexpr DWORD NotifyIconRecordSize = NOTIFYICONDATAA_V1_SIZE;
constexpr UINT TrayIconId = 0;

struct TrayLook {
    int iconId;
    UINT tooltipStringId;
};

const TrayLook TrayLooks[] = {
    {IDI_TANDOR_IDLE, IDS_TRAY_ACTIVE},     // Idle
    {IDI_TANDOR_BUSY, IDS_TRAY_CONFIGURING}, // Configuring
    {IDI_TANDOR_BUSY, IDS_TRAY_SCANNING},    // Scanning
};

HICON heldTrayIcon = nullptr;

HICON loadSmallIcon(int iconId)
{
    return static_cast<HICON>(LoadImageA(app.appInstance, MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                         GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                         LR_DEFAULTCOLOR));
}

NOTIFYICONDATAA trayRecord(UINT flags)
{
    NOTIFYICONDATAA record = {};
    record.cbSize = NotifyIconRecordSize;
    record.hWnd = app.mainWindow;
    record.uID = TrayIconId;
    record.uFlags = flags;
    return record;
}

void holdIcon(HICON icon)
{
    if (heldTrayIcon != nullptr)
        DestroyIcon(heldTrayIcon);
    heldTrayIcon = icon;
}

void modifyTrayIcon(int iconId, UINT tooltipStringId, const char* detailText)
{
    // The detail may itself live in loadText's shared buffer, which the state's text overwrites.
    const std::string detail = detailText != nullptr ? detailText : "";
    NOTIFYICONDATAA record = trayRecord(NIF_ICON | NIF_TIP);
    record.hIcon = loadSmallIcon(iconId);
    BoundedText tooltip(record.szTip, sizeof record.szTip);
    tooltip.append(loadText(tooltipStringId));
    if (detailText != nullptr)
        tooltip.append(": ").append(detail.c_str());
    Shell_NotifyIconA(NIM_MODIFY, &record);
    holdIcon(record.hIcon);
}

} // namespace

void setTrayState(TrayState state, const char* detailText)
{
    if (state == ui.trayState && detailText == nullptr)
        return;
    ui.trayState = state;
    if (state >= Idle && state <= Scanning) {
        const TrayLook& look = TrayLooks[state];
        modifyTrayIcon(look.iconId, look.tooltipStringId, detailText);
    }
}

void addTrayIcon()
{
    NOTIFYICONDATAA record = trayRecord(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    record.uCallbackMessage = app.taskbarCreatedMessage;
    record.hIcon = loadSmallIcon(IDI_TANDOR_IDLE);
    BoundedText(record.szTip, sizeof record.szTip).append(loadText(IDS_TRAY_ACTIVE));
    Shell_NotifyIconA(NIM_ADD, &record);
    holdIcon(record.hIcon);
}

void deleteTrayIcon()
{
    NOTIFYICONDATAA record = trayRecord(0);
    Shell_NotifyIconA(NIM_DELETE, &record);
    holdIcon(nullptr);
}

BOOL registerHotkey()
{
    const std::int32_t hotkey = settings.global.Hotkey;
    return RegisterHotKey(app.mainWindow, app.hotkeyAtom, hotkeyModifiers(hotkey), hotkeyVirtualKey(hotkey));
}

void unregisterHotkey()
{
    UnregisterHotKey(app.mainWindow, app.hotkeyAtom);
}
