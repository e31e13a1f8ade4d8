#include "launcher/win/launcher_window.h"

#include "base/ascii.h"
#include "base/win/dpi.h"
#include "base/win/fonts.h"
#include "base/win/help.h"
#include "base/win/program_handles.h"
#include "base/win/window_alpha.h"
#include "catalogue/catalogue.h"
#include "catalogue/score_store.h"
#include "catalogue/win/program_catalogue.h"
#include "launcher/icon_loader.h"
#include "launcher/launcher_limits.h"
#include "launcher/row_text.h"
#include "launcher/selection.h"
#include "launcher/win/announcer.h"
#include "launcher/win/icon_loader_thread.h"
#include "launcher/win/keyboard_filter.h"
#include "launcher/win/launcher_state.h"
#include "launcher/win/result_list_view.h"
#include "launcher/window_geometry.h"
#include "resources/resource.h"
#include "settings/win/settings_store.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <utility>

namespace {

constexpr UINT_PTR RetryTimerId = 1;
constexpr int ResultClosedByLaunch = 1;
constexpr int ResultClosed = 2;
const char* const HelpPage = "mainhelp.html";

// The window's own state; one launcher window exists at a time.
struct LauncherWindowState {
    HWND window = nullptr;
    bool opened = false;     // WM_SIZE arrives before WM_INITDIALOG, when nothing is set up yet
    bool launching = false;
    bool dragging = false;
    bool ownsLock = false;   // no loader started: the window deletes the lock itself
    POINT dragAnchor{};
    SIZE minimumSize{};
    int dpi = DefaultDpi;             // the DPI the window is laid out for
    HFONT dialogFont = nullptr;       // the template's font, as the dialog manager made it
    bool keyboardMovedRow = false;    // the list's focus rectangle shows only then
    ListedRows listed;
    AnnouncementTexts announcementTexts;
    std::string rowItemPattern;
};

LauncherWindowState state;

// The window's fonts: its own after a DPI change (null before one), the hint's bold copy lent to
// the hint, and the rows' made for drawing.
Font rescaledFont;
ControlFont hintFont;
Font rowNameFont;
Font rowDirectoryFont;

void ignoreEvent(LauncherEvent) {}
bool alwaysMark() { return true; }
LauncherLinks links = {ignoreEvent, alwaysMark};

HWND queryEdit(HWND window) { return GetDlgItem(window, IDC_QUERY_EDIT); }
HWND resultList(HWND window) { return GetDlgItem(window, IDC_RESULT_LIST); }
HWND hintText(HWND window) { return GetDlgItem(window, IDC_HINT_TEXT); }
HWND liveRegion(HWND window) { return GetDlgItem(window, IDC_ANNOUNCEMENT); }

std::string readUpperQuery(HWND window)
{
    char text[QueryBufferSize] = {};
    GetWindowTextA(queryEdit(window), text, QueryBufferSize);
    return upperCasedAscii(text);
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

void requeryKeepingRow(HWND window, int row)
{
    refresh(window, readUpperQuery(window));
    HWND list = resultList(window);
    const int keep = rowToKeep(row, rowCount(list));
    if (keep >= 0)
        selectRow(list, keep);
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
        recordLaunch(catalogue, *entry);
        ShellExecuteA(nullptr, nullptr, entry->path.c_str(), nullptr, nullptr, SW_RESTORE);
        links.reportEvent(LauncherEvent::EntryLaunched);
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

// ---- Opening ----

void applyStoredSize(HWND window)
{
    RECT outer{};
    GetWindowRect(window, &outer);
    state.minimumSize = SIZE{outer.right - outer.left, outer.bottom - outer.top};
    const Box templateBox{outer.left, outer.top, state.minimumSize.cx, state.minimumSize.cy};
    // The stored size is kept at 96 DPI, so the window opens alike on every display.
    const Box box = openingBox(templateBox, scaleToDpi(settings.global.DialogSizeX, state.dpi),
                               scaleToDpi(settings.global.DialogSizeY, state.dpi));
    if (box.width != templateBox.width)
        SetWindowPos(window, nullptr, box.left, box.top, box.width, box.height, SWP_NOZORDER);
}

void makeRowFonts(HFONT listFont)
{
    rowNameFont = fontVariant(listFont, BoldWeight, false);
    rowDirectoryFont = fontVariant(listFont, NormalWeight, true);
}

BOOL onInitDialog(HWND window, HWND, LPARAM)
{
    state = LauncherWindowState{};
    state.window = window;
    state.dpi = windowDpi(window);
    takeOverDpiChanges(window);
    fitDialogToDpi(window);
    launcherShared.lock.create();
    launcherShared.results.iconLoaderPaused = 1;
    launcherShared.results.showIcons = settings.global.ShowIcons != 0;

    showHint(window, true);
    HWND hint = hintText(window);
    hintFont.lend(hint, fontVariant(fontOf(hint), BoldWeight, false), false);

    installKeyboardFilter(window);
    resetIcons(catalogue);
    state.ownsLock = !startIconLoader(window);
    state.dragging = false;

    HWND list = resultList(window);
    setUpResultList(list);
    makeLiveRegion(liveRegion(window));
    state.announcementTexts = loadAnnouncementTexts();
    loadTextInto(IDS_ROW_ITEM_TEXT, state.rowItemPattern);
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
    links.reportEvent(LauncherEvent::Shown);
    if (links.marksTypedText())
        startRetryTimer(window);
    return FALSE; // the focus is set already
}

// ---- Typing, keys and timer ----

void onQueryChanged(HWND window)
{
    char text[QueryBufferSize] = {};
    GetWindowTextA(queryEdit(window), text, QueryBufferSize);
    if (text[0] == '\0') {
        showHint(window, true);
        scheduleAnnouncement(window);
        return;
    }
    showHint(window, false);
    startRetryTimer(window);
    refresh(window, upperCasedAscii(text));
    links.reportEvent(LauncherEvent::QueryChanged);
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
    if (!links.marksTypedText())
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

// ---- Mouse on the list ----

void showRowMenu(HWND window, int row)
{
    KillTimer(window, RetryTimerId);
    const CatalogueEntry* entry = rowEntry(resultList(window), row);
    HMENU menu = LoadMenuA(app.appInstance, MAKEINTRESOURCEA(IDM_LAUNCHER_ROW));
    HMENU popup = GetSubMenu(menu, 0);
    if (entry) {
        const std::string pathText = menuTextOfPath(entry->path);
        ModifyMenuA(popup, IDC_ROW_PATH, MF_BYCOMMAND | MF_STRING | MF_DISABLED, IDC_ROW_PATH, pathText.c_str());
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    const int chosen = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, cursor.x, cursor.y, 0,
                                      app.mainWindow ? app.mainWindow : window, nullptr);
    DestroyMenu(menu);
    startRetryTimer(window);

    if (chosen == IDC_ROW_OPEN) {
        launchSelected(window);
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    } else if (chosen == IDC_ROW_HIDE) {
        hideRow(window, row);
    }
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

// ---- Moving and sizing the window ----

void onLButtonDown(HWND window, BOOL, int x, int y, UINT)
{
    state.dragAnchor = POINT{x, y};
    ClientToScreen(window, &state.dragAnchor);
    state.dragging = true;
    SetCapture(window);
}

void onMouseMove(HWND window, int x, int y, UINT)
{
    if (!state.dragging)
        return;
    POINT cursor{x, y};
    ClientToScreen(window, &cursor);
    RECT outer{};
    GetWindowRect(window, &outer);
    SetWindowPos(window, nullptr, outer.left + cursor.x - state.dragAnchor.x, outer.top + cursor.y - state.dragAnchor.y,
                 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    state.dragAnchor = cursor;
}

void onLButtonUp(HWND, int, int, UINT)
{
    state.dragging = false;
    ReleaseCapture();
}

Box controlBox(HWND window, HWND control)
{
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return Box{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void moveControl(HWND control, const Box& box)
{
    MoveWindow(control, box.left, box.top, box.width, box.height, TRUE);
}

void onSize(HWND window, UINT type, int clientWidth, int clientHeight)
{
    if (!state.opened)
        return;
    if (type == SIZE_RESTORED) {
        HWND edit = queryEdit(window);
        HWND list = resultList(window);
        const ControlLayout layout =
            layoutForClient(clientWidth, clientHeight, controlBox(window, edit), controlBox(window, list));
        moveControl(edit, layout.edit);
        moveControl(list, layout.list);
        RECT outer{};
        GetWindowRect(window, &outer);
        settings.global.DialogSizeX = unscaleFromDpi(outer.right - outer.left, state.dpi);
        settings.global.DialogSizeY = unscaleFromDpi(outer.bottom - outer.top, state.dpi);
    }
    refresh(window, readUpperQuery(window));
}

void onGetMinMaxInfo(HWND, MINMAXINFO* limits)
{
    if (state.opened)
        limits->ptMinTrackSize = POINT{state.minimumSize.cx, state.minimumSize.cy};
}

// ---- Moving to a display of another DPI ----

// The rows' height: the taller of the window's font and a small icon at its DPI, and a little
// room. The list asks when it is created (before WM_INITDIALOG) and whenever it is moved.
bool onMeasureItem(HWND window, MEASUREITEMSTRUCT* item)
{
    if (item->CtlID != IDC_RESULT_LIST)
        return false;
    const int dpi = state.opened ? state.dpi : windowDpi(window);
    HFONT font = state.opened && rescaledFont.get() != nullptr ? rescaledFont.get() : fontOf(window);
    int height = 0;
    if (HDC dc = GetDC(window)) {
        {
            SelectedObject selected(dc, font);
            TEXTMETRICA metrics{};
            if (GetTextMetricsA(dc, &metrics))
                height = metrics.tmHeight;
        }
        ReleaseDC(window, dc);
    }
    if (settings.global.ShowIcons && smallIconSize(dpi) > height)
        height = smallIconSize(dpi);
    item->itemHeight = static_cast<UINT>(height + scaleToDpi(RowPadding, dpi));
    return true;
}

void setControlFonts(HWND window, HFONT font)
{
    SendMessageA(queryEdit(window), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(resultList(window), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

// The window's font, the hint's bold copy and the row fonts, made again at the new DPI.
void rescaleFonts(HWND window, int oldDpi, int newDpi)
{
    HFONT current = rescaledFont.get() != nullptr ? rescaledFont.get() : state.dialogFont;
    LOGFONTA face{};
    GetObjectA(current, sizeof face, &face);
    face.lfHeight = rescaleBetweenDpis(face.lfHeight, oldDpi, newDpi);
    Font rescaled(CreateFontIndirectA(&face));
    if (rescaled.get() == nullptr)
        return;
    setControlFonts(window, rescaled.get());
    hintFont.lend(hintText(window), fontVariant(rescaled.get(), BoldWeight, false), false);
    makeRowFonts(rescaled.get());
    rescaledFont = std::move(rescaled); // the controls have let go of the earlier one
}

void rescaleControl(HWND window, HWND control, int oldDpi, int newDpi)
{
    const Box box = rescaledBox(controlBox(window, control), oldDpi, newDpi);
    MoveWindow(control, box.left, box.top, box.width, box.height, FALSE);
}

// The system suggests the window's new rectangle; everything inside scales by the ratio of the
// DPIs, and WM_SIZE then lays the list out and fills it again.
void onDpiChanged(HWND window, int newDpi, const RECT& suggested)
{
    const int oldDpi = state.dpi;
    if (newDpi <= 0 || newDpi == oldDpi)
        return;
    state.dpi = newDpi;
    rescaleFonts(window, oldDpi, newDpi);
    for (HWND control : {queryEdit(window), resultList(window), hintText(window)})
        rescaleControl(window, control, oldDpi, newDpi);
    state.minimumSize = SIZE{rescaleBetweenDpis(state.minimumSize.cx, oldDpi, newDpi),
                             rescaleBetweenDpis(state.minimumSize.cy, oldDpi, newDpi)};
    HWND list = resultList(window);
    if (SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0))
        Win32ResultListView(list).attachSystemImageList({});
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window, nullptr, TRUE);
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

    hintFont.restore();
    rowNameFont = Font();
    rowDirectoryFont = Font();
    if (rescaledFont.get() != nullptr) {
        setControlFonts(window, state.dialogFont);
        rescaledFont = Font();
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
        drawResultRow(window, *item, RowFonts{rowNameFont.get(), rowDirectoryFont.get()},
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
    links = given;
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
