#include "launcher/win/launcher_window_commands.h"

#include "base/ascii.h"
#include "base/utf8.h"
#include "base/win/owners.h"
#include "base/win/program_handles.h"
#include "base/win/texts.h"
#include "catalogue/catalogue.h"
#include "catalogue/matcher.h"
#include "catalogue/win/program_catalogue.h"
#include "launcher/icon_loader.h"
#include "launcher/launcher_limits.h"
#include "launcher/row_text.h"
#include "launcher/selection.h"
#include "launcher/win/announcer.h"
#include "launcher/win/launcher_state.h"
#include "launcher/win/launcher_window_state.h"
#include "launcher/win/result_list_view.h"
#include "launcher/window_geometry.h"
#include "resources/resource.h"
#include "settings/win/settings_store.h"

#include <commctrl.h>
#include <shellapi.h>

namespace {

LauncherWindowState& state = launcherWindowState;

void requeryKeepingRow(HWND window, int row)
{
    refresh(window, readUpperQuery(window));
    HWND list = resultList(window);
    const int keep = rowToKeep(row, rowCount(list));
    if (keep >= 0)
        selectRow(list, keep);
}

// Asked after the failure itself: the system's message box has reset the last error by then.
bool isGone(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

// Opens the entry as Explorer would. Owned by the window and with the system's own messages,
// so that a file gone since the last scan is explained to the user.
void launchEntry(HWND window, CatalogueEntry& entry)
{
    SHELLEXECUTEINFOA execute{};
    execute.cbSize = sizeof execute;
    execute.hwnd = window;
    execute.lpFile = entry.path.c_str();
    execute.nShow = SW_RESTORE;
    if (ShellExecuteExA(&execute)) {
        recordLaunch(catalogue, entry);
        state.links.reportEvent(LauncherEvent::EntryLaunched);
    } else if (isGone(entry.path)) {
        state.links.entryVanished(entry.directoryIndex);
    }
}

void launchSelected(HWND window)
{
    HWND list = resultList(window);
    state.launching = true;
    const int rows = rowCount(list);
    for (int row = 0; row < rows; ++row) {
        if (ListView_GetItemState(list, row, LVIS_SELECTED) == 0)
            blankRow(list, row);
    }
    UpdateWindow(list);
    for (int row = selectedRow(list); row >= 0;
         row = static_cast<int>(SendMessageA(list, LVM_GETNEXTITEM, row, LVNI_SELECTED))) {
        CatalogueEntry* entry = rowEntry(list, row);
        if (!entry)
            continue;
        launchEntry(window, *entry);
    }
}

void hideRow(HWND window, int row)
{
    CatalogueEntry* entry = rowEntry(resultList(window), row);
    if (!entry)
        return;
    hideEntry(catalogue, *entry);
    requeryKeepingRow(window, row);
}

void onQueryChanged(HWND window)
{
    const std::string text = readQuery(window);
    if (text.empty()) {
        showHint(window, true);
        scheduleAnnouncement(window);
        return;
    }
    showHint(window, false);
    startRetryTimer(window);
    refresh(window, upperCasedAscii(text));
    state.links.reportEvent(LauncherEvent::QueryChanged);
}

void showRowMenu(HWND window, int row)
{
    KillTimer(window, RetryTimerId);
    const CatalogueEntry* entry = rowEntry(resultList(window), row);
    const OwnedMenu menu(LoadMenuA(app.appInstance, MAKEINTRESOURCEA(IDM_LAUNCHER_ROW)));
    HMENU popup = GetSubMenu(menu.get(), 0);
    if (entry) {
        const std::string pathText = menuTextOfPath(entry->path);
        ModifyMenuA(popup, IDC_ROW_PATH, MF_BYCOMMAND | MF_STRING | MF_DISABLED, IDC_ROW_PATH, pathText.c_str());
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    const int chosen = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0,
                                      app.mainWindow ? app.mainWindow : window, nullptr);
    startRetryTimer(window);

    if (chosen == IDC_ROW_OPEN) {
        launchSelected(window);
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    } else if (chosen == IDC_ROW_HIDE) {
        hideRow(window, row);
    }
}

} // namespace

// The typed text, cut to the matcher's longest query at a whole character.
std::string readQuery(HWND window)
{
    char text[QueryBufferSize] = {};
    GetWindowTextA(queryEdit(window), text, QueryBufferSize);
    const std::string_view typed(text);
    return std::string(typed.substr(0, utf8PrefixLength(typed, MaxQueryLength)));
}

std::string readUpperQuery(HWND window)
{
    return upperCasedAscii(readQuery(window));
}

void startRetryTimer(HWND window)
{
    const unsigned period = retryPeriodMs(settings.global.Retry);
    if (period != 0)
        SetTimer(window, RetryTimerId, period, nullptr);
}

void refresh(HWND window, const std::string& upperQuery)
{
    Win32ResultListView view(resultList(window), &settings.directories, state.rowItemPattern);
    scheduleAnnouncement(window);
    refreshResults(FillContext{view, launcherShared.lock, launcherShared.results, state.listed, catalogue,
                               settings.directories},
                   upperQuery);
}

// What a screen reader is told once the keys typed so far are handled: the selected row, or
// why there is none.
std::string selectionAnnouncement(HWND window)
{
    HWND list = resultList(window);
    if (IsWindowVisible(hintText(window))) {
        char hint[HintBufferSize] = {};
        GetWindowTextA(hintText(window), hint, HintBufferSize);
        return hint;
    }
    const int row = selectedRow(list);
    const CatalogueEntry* entry = rowEntry(list, row);
    if (entry == nullptr)
        return loadText(IDS_ANNOUNCE_NO_MATCH);
    return rowAnnouncement(state.announcementTexts, *entry, settings.directories, row, rowCount(list));
}

void showHint(HWND window, bool hint)
{
    ShowWindow(resultList(window), hint ? SW_HIDE : SW_SHOW);
    ShowWindow(hintText(window), hint ? SW_SHOW : SW_HIDE);
}

void showProperties(HWND window)
{
    HWND list = resultList(window);
    const CatalogueEntry* entry = rowEntry(list, selectedRow(list));
    if (!entry)
        return;
    SHELLEXECUTEINFOA execute{};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_INVOKEIDLIST;
    execute.lpVerb = "properties";
    execute.lpFile = entry->path.c_str();
    execute.nShow = SW_RESTORE;
    ShellExecuteExA(&execute);
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
}

void onCommand(HWND window, int id, HWND, UINT notification)
{
    if (id == IDC_QUERY_EDIT && notification == EN_CHANGE) {
        onQueryChanged(window);
    } else if (id == IDOK) {
        launchSelected(window);
        EndDialog(window, ResultClosedByLaunch);
    } else if (id == IDCANCEL) {
        EndDialog(window, ResultClosed);
    }
}

void onMoveSelection(HWND window, int key)
{
    startRetryTimer(window);
    HWND list = resultList(window);
    const int from = selectedRow(list);
    const int to = rowAfterKey(rowCount(list), from, key);
    if (to >= 0) {
        state.keyboardMovedRow = true;
        moveSelectedRow(list, from, to);
        scheduleAnnouncement(window);
    }
}

void onHideSelected(HWND window)
{
    hideRow(window, selectedRow(resultList(window)));
    startRetryTimer(window);
}

void onTimer(HWND window, UINT id)
{
    if (id == AnnouncementTimerId) {
        announce(window, liveRegion(window), selectionAnnouncement(window));
        return;
    }
    if (id != RetryTimerId)
        return;
    KillTimer(window, RetryTimerId);
    if (!state.links.marksTypedText())
        return;
    // Marking the whole query lets the next key typed replace it.
    PostMessageA(queryEdit(window), EM_SETSEL, 0, -1);
}

void onIconLoaded(HWND window, WPARAM rowAndGeneration, LPARAM image)
{
    const auto packed = static_cast<std::uint32_t>(rowAndGeneration);
    if (iconMessageGeneration(packed) != launcherShared.results.listGeneration)
        return; // from a list that has since been refilled
    setRowImage(resultList(window), iconMessageRow(packed), static_cast<int>(image));
}

LRESULT onListNotify(HWND window, const NMHDR& header)
{
    if (header.code != static_cast<UINT>(NM_CLICK) && header.code != static_cast<UINT>(NM_RCLICK) &&
        header.code != static_cast<UINT>(NM_DBLCLK))
        return 0;
    HWND list = resultList(window);
    const int row = rowAtCursor(list);
    if (row >= 0) {
        state.keyboardMovedRow = false;
        selectRow(list, row);
        scheduleAnnouncement(window);
        if (header.code == static_cast<UINT>(NM_RCLICK)) {
            showRowMenu(window, row);
        } else if (header.code == static_cast<UINT>(NM_DBLCLK)) {
            launchSelected(window);
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        }
    }
    SetFocus(queryEdit(window));
    return 0;
}
