#include "launcher/win/launcher_window.h"

#include "base/win/dpi.h"
#include "base/win/fonts.h"
#include "base/win/help.h"
#include "base/win/program_handles.h"
#include "base/win/texts.h"
#include "base/win/window_alpha.h"
#include "catalogue/score_store.h"
#include "catalogue/win/program_catalogue.h"
#include "launcher/win/announcer.h"
#include "launcher/win/icon_loader_thread.h"
#include "launcher/win/keyboard_filter.h"
#include "launcher/win/launcher_state.h"
#include "launcher/win/launcher_window_commands.h"
#include "launcher/win/launcher_window_layout.h"
#include "launcher/win/launcher_window_state.h"
#include "launcher/win/result_list_view.h"
#include "resources/resource.h"
#include "settings/win/settings_store.h"

#include <commctrl.h>
#include <windowsx.h>

namespace {

const char* const HelpPage = "mainhelp.html";

LauncherWindowState& state = launcherWindowState;

// ---- Opening ----

BOOL onInitDialog(HWND window, HWND, LPARAM)
{
    static_cast<OpenLauncherWindow&>(state) = OpenLauncherWindow{};
    state.window = window;
    state.dpi = windowDpi(window);
    takeOverDpiChanges(window);
    fitDialogToDpi(window);
    launcherShared.lock.create();
    launcherShared.results.iconLoaderPaused = 1;
    launcherShared.results.showIcons = settings.global.ShowIcons != 0;

    showHint(window, true);
    HWND hint = hintText(window);
    state.hintFont.lend(hint, fontVariant(fontOf(hint), BoldWeight, false), false);

    installKeyboardFilter(window);
    resetIcons(catalogue);
    state.ownsLock = !startIconLoader(window);
    state.dragging = false;

    HWND list = resultList(window);
    setUpResultList(list);
    makeLiveRegion(liveRegion(window));
    state.announcementTexts = loadAnnouncementTexts();
    state.rowItemPattern = loadText(IDS_ROW_ITEM_TEXT);
    SetFocus(queryEdit(window));
    if (settings.global.EnableTrans)
        setWindowAlpha(window, settings.global.Transparency);

    state.dialogFont = fontOf(list);
    makeRowFonts(state.dialogFont);

    applyStoredSize(window);
    state.opened = true;
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    BringWindowToTop(window);
    SetForegroundWindow(window);
    ShowWindow(window, SW_RESTORE);
    UpdateWindow(window);
    state.links.reportEvent(LauncherEvent::Shown);
    if (state.links.marksTypedText())
        startRetryTimer(window);
    return FALSE; // the focus is set already
}

// ---- Closing ----

void onDestroy(HWND window)
{
    if (state.dragging)
        ReleaseCapture();
    SharedResultList& results = launcherShared.results;
    results.iconLoaderPaused = 1;
    state.window = nullptr;
    state.opened = false;
    {
        HeldLock held(launcherShared.lock);
        results.loaderStopRequested = 1;
        results.resultSlots.clear();
        results.rowsShown = 0;
    }
    if (state.ownsLock)
        launcherShared.lock.destroy();
    removeKeyboardFilter();
    saveScoreStore(scoreStore, catalogue, dataFolderPath(ScoresFileName));

    state.hintFont.restore();
    state.rowNameFont = Font();
    state.rowDirectoryFont = Font();
    if (state.rescaledFont.get() != nullptr) {
        setControlFonts(window, state.dialogFont);
        state.rescaledFont = Font();
    }
    state.listed = ListedRows{};
}
INT_PTR CALLBACK launcherDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return onInitDialog(window, reinterpret_cast<HWND>(wParam), lParam);
    case WM_COMMAND:
        HANDLE_WM_COMMAND(window, wParam, lParam, onCommand);
        return TRUE;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE)
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        return FALSE;
    case WM_KILLFOCUS:
        EndDialog(window, ResultClosed);
        return TRUE;
    case WM_SIZE:
        HANDLE_WM_SIZE(window, wParam, lParam, onSize);
        return TRUE;
    case WM_GETMINMAXINFO:
        HANDLE_WM_GETMINMAXINFO(window, wParam, lParam, onGetMinMaxInfo);
        return TRUE;
    case WM_LBUTTONDOWN:
        HANDLE_WM_LBUTTONDOWN(window, wParam, lParam, onLButtonDown);
        return TRUE;
    case WM_MOUSEMOVE:
        HANDLE_WM_MOUSEMOVE(window, wParam, lParam, onMouseMove);
        return TRUE;
    case WM_LBUTTONUP:
        HANDLE_WM_LBUTTONUP(window, wParam, lParam, onLButtonUp);
        return TRUE;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != window)
            state.dragging = false;
        return TRUE;
    case WM_TIMER:
        HANDLE_WM_TIMER(window, wParam, lParam, onTimer);
        return TRUE;
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom != IDC_RESULT_LIST)
            return FALSE;
        SetWindowLongPtrA(window, DWLP_MSGRESULT, onListNotify(window, *header));
        return TRUE;
    }
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlID != IDC_RESULT_LIST)
            return FALSE;
        drawResultRow(window, *item, RowFonts{state.rowNameFont.get(), state.rowDirectoryFont.get()},
                      RowLook{state.launching, state.keyboardMovedRow}, settings.directories);
        return TRUE;
    }
    case WM_LAUNCHER_MOVE:
        onMoveSelection(window, static_cast<int>(wParam));
        return TRUE;
    case WM_LAUNCHER_HIDE:
        onHideSelected(window);
        return TRUE;
    case WM_LAUNCHER_PROPERTIES:
        showProperties(window);
        return TRUE;
    case WM_LAUNCHER_HELP:
        openHelp(HelpPage);
        return TRUE;
    case WM_LAUNCHER_ICON:
        onIconLoaded(window, wParam, lParam);
        return TRUE;
    case WM_MEASUREITEM:
        return onMeasureItem(window, reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case DpiChangedMessage:
        onDpiChanged(window, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return TRUE;
    case WM_DESTROY:
        onDestroy(window);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

void connectLauncherWindow(const LauncherLinks& given)
{
    state.links = given;
}

void openLauncherWindow(HWND owner)
{
    // The lock and the result list belong to a loader that has not ended yet.
    if (iconLoaderRunning())
        return;
    DialogBoxParamA(app.appInstance, MAKEINTRESOURCEA(IDD_LAUNCHER), owner, launcherDialogProc, 0);
}

HWND launcherWindowHandle()
{
    return state.window;
}

bool launcherHoldsCatalogue()
{
    return launcherWindowHandle() != nullptr || iconLoaderRunning();
}

bool launcherWindowLaunching()
{
    return state.window != nullptr && state.launching;
}
