// The User interface page: transparency with its live preview, icons, extensions, start with
// Windows, the hotkey and the retry delay.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstdio>

#include "base/win/window_alpha.h"
#include "configuration/user_interface_choices.h"
#include "configuration/win/configuration_session.h"
#include "configuration/win/live_preview.h"
#include "configuration/win/sheet_page.h"
#include "configuration/win/startup_shortcut.h"
#include "resources/resource.h"
#include "settings/win/settings_store.h"

namespace {

static_assert(static_cast<int>(ScrollAction::EndScroll) == SB_ENDSCROLL, "scroll codes");
static_assert(static_cast<int>(ScrollAction::ThumbTrack) == SB_THUMBTRACK, "scroll codes");
static_assert(static_cast<int>(ScrollAction::PageRight) == SB_PAGERIGHT, "scroll codes");

// Set while WM_INITDIALOG fills the controls, whose notifications are no changes of the user's.
bool initialising = false;

void enableTransparencyControls(HWND page)
{
    const bool supported = transparencySupported();
    EnableWindow(GetDlgItem(page, IDC_UI_TRANSPARENCY_ON), supported);
    EnableWindow(GetDlgItem(page, IDC_UI_TRANSPARENCY), supported && isChecked(page, IDC_UI_TRANSPARENCY_ON));
}

BOOL onInitDialog(HWND page)
{
    GlobalSettings& global = settings.global;
    initialising = true;
    PostMessageA(GetDlgItem(page, IDC_UI_HOTKEY), HKM_SETHOTKEY, static_cast<WPARAM>(global.Hotkey), 0);
    setChecked(page, IDC_UI_TRANSPARENCY_ON, global.EnableTrans != 0);
    setChecked(page, IDC_UI_SHOW_ICONS, global.ShowIcons != 0);
    setChecked(page, IDC_UI_SHOW_EXTENSIONS, global.ShowExt != 0);
    setChecked(page, IDC_UI_START_WITH_WINDOWS, startupShortcutExists());
    global.Retry = static_cast<std::uint8_t>(retryShown(global.Retry));
    char retryText[16];
    std::snprintf(retryText, sizeof retryText, "%d", global.Retry);
    SetDlgItemTextA(page, IDC_UI_RETRY, retryText);
    HWND scrollBar = GetDlgItem(page, IDC_UI_TRANSPARENCY);
    SetScrollRange(scrollBar, SB_CTL, 0, MaxTransparency, FALSE);
    SetScrollPos(scrollBar, SB_CTL, global.Transparency, TRUE);
    enableTransparencyControls(page);
    initialising = false;
    return TRUE;
}

void onCommand(HWND page, int, HWND, UINT notification)
{
    if (notification == BN_CLICKED) {
        enableTransparencyControls(page);
        if (!initialising)
            notifySheetChanged(page);
    } else if (notification == EN_CHANGE && !initialising) {
        notifySheetChanged(page);
    }
}

// The scroll bar writes Transparency at once: the value stays even when the sheet is cancelled.
void onScroll(HWND page, HWND scrollBar, UINT code, int thumbPosition)
{
    const ScrollAction action = static_cast<ScrollAction>(code);
    const int position = GetScrollPos(scrollBar, SB_CTL);
    const int transparency = transparencyAfterScroll(action, position, thumbPosition);
    settings.global.Transparency = static_cast<std::uint8_t>(transparency);
    HWND preview = showLivePreview(page, scrollBar);
    if (preview != nullptr) {
        PostMessageA(preview, WM_PREVIEW_SHOW_ALPHA, static_cast<WPARAM>(transparency), 0);
        if (actionStartsFade(action))
            PostMessageA(preview, WM_PREVIEW_FADE_LATER, PreviewFadeDelayMs, 0);
    }
    SetScrollPos(scrollBar, SB_CTL, transparency, actionRedrawsScrollBar(action));
    notifySheetChanged(page);
}

void applyStartupShortcut(HWND page)
{
    const bool wanted = isChecked(page, IDC_UI_START_WITH_WINDOWS);
    if (wanted == startupShortcutExists())
        return;
    if (wanted)
        createStartupShortcut();
    else
        deleteStartupShortcut();
}

int retryTyped(HWND page)
{
    char text[RetryTextLimit + 1] = "";
    GetDlgItemTextA(page, IDC_UI_RETRY, text, sizeof text);
    return retryFromText(text);
}

void onApply(HWND page)
{
    GlobalSettings& global = settings.global;
    const std::uint8_t oldShowExt = global.ShowExt;
    // The new hotkey is registered when the sheet closes.
    global.Hotkey = LOWORD(SendDlgItemMessageA(page, IDC_UI_HOTKEY, HKM_GETHOTKEY, 0, 0));
    global.EnableTrans = isChecked(page, IDC_UI_TRANSPARENCY_ON);
    global.ShowIcons = isChecked(page, IDC_UI_SHOW_ICONS);
    global.ShowExt = isChecked(page, IDC_UI_SHOW_EXTENSIONS);
    if (global.ShowExt != oldShowExt)
        configuration.changedSinceOpen = true; // names in the catalogue change only with a rescan
    configuration.rescanRecommended = configuration.rescanRecommended || configuration.changedSinceOpen;
    applyStartupShortcut(page);
    global.Retry = static_cast<std::uint8_t>(retryTyped(page));
    saveSettings();
    // The changes are saved: Cancel would undo nothing, so it becomes Close.
    PostMessageA(GetParent(page), PSM_CANCELTOCLOSE, 0, 0);
}

} // namespace

const SheetPage UserInterfacePage = {onInitDialog, onCommand, onApply, "config2.html", onScroll, nullptr};
