#include "app/win/tray.h"

#include <shellapi.h>

#include <string>

#include "base/bounded_text.h"
#include "base/win/owners.h"
#include "base/win/program_handles.h"
#include "base/win/texts.h"
#include "resources/resource.h"

namespace {

// The second-version notify-icon record: the first one that carries a callback version.
constexpr DWORD NotifyIconRecordSize = NOTIFYICONDATAA_V2_SIZE;
// Defined by Vista's headers, which the build does not target: the callback layout that tells
// keyboard selection and the context menu apart, and the flag that keeps the tooltip with it.
constexpr UINT KeyboardCallbackVersion = 4;
constexpr UINT ShowTooltipFlag = 0x00000080;
constexpr UINT TrayIconId = 0;
// Sent by the shell to every top-level window when a new task bar starts.
const char* const TaskbarCreatedName = "TaskbarCreated";

struct TrayLook {
    int iconId;
    UINT tooltipStringId;
};

const TrayLook TrayLooks[] = {
    {IDI_TANDOR_IDLE, IDS_TRAY_ACTIVE},     // Idle
    {IDI_TANDOR_BUSY, IDS_TRAY_CONFIGURING}, // Configuring
    {IDI_TANDOR_BUSY, IDS_TRAY_SCANNING},    // Scanning
};

OwnedIcon heldTrayIcon;
UINT registeredTaskbarCreated = 0;
bool keyboardCallbacks = false;

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
    heldTrayIcon.reset(icon);
}

void modifyTrayIcon(int iconId, UINT tooltipStringId, const char* detailText)
{
    NOTIFYICONDATAA record = trayRecord(NIF_ICON | NIF_TIP | ShowTooltipFlag);
    record.hIcon = loadSmallIcon(iconId);
    BoundedText tooltip(record.szTip, sizeof record.szTip);
    tooltip.append(loadText(tooltipStringId).c_str());
    if (detailText != nullptr)
        tooltip.append(": ").append(detailText);
    Shell_NotifyIconA(NIM_MODIFY, &record);
    holdIcon(record.hIcon);
}

} // namespace

void showTrayState(TrayState state, const char* detailText)
{
    if (state >= Idle && state <= Scanning) {
        const TrayLook& look = TrayLooks[state];
        modifyTrayIcon(look.iconId, look.tooltipStringId, detailText);
    }
}

void registerTaskbarCreatedMessage()
{
    registeredTaskbarCreated = RegisterWindowMessageA(TaskbarCreatedName);
}

UINT taskbarCreatedMessage()
{
    return registeredTaskbarCreated;
}

void addTrayIcon()
{
    NOTIFYICONDATAA record = trayRecord(NIF_MESSAGE | NIF_ICON | NIF_TIP | ShowTooltipFlag);
    record.uCallbackMessage = registeredTaskbarCreated;
    record.hIcon = loadSmallIcon(IDI_TANDOR_IDLE);
    BoundedText(record.szTip, sizeof record.szTip).append(loadText(IDS_TRAY_ACTIVE).c_str());
    Shell_NotifyIconA(NIM_ADD, &record);
    holdIcon(record.hIcon);
    NOTIFYICONDATAA version = trayRecord(0);
    version.uVersion = KeyboardCallbackVersion;
    keyboardCallbacks = Shell_NotifyIconA(NIM_SETVERSION, &version) != FALSE;
}

void deleteTrayIcon()
{
    NOTIFYICONDATAA record = trayRecord(0);
    Shell_NotifyIconA(NIM_DELETE, &record);
    holdIcon(nullptr);
}

bool trayCallbacksTellKeyboard()
{
    return keyboardCallbacks;
}
