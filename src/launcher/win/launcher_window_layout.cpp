#include "launcher/win/launcher_window_layout.h"

#include "base/win/dpi.h"
#include "base/win/fonts.h"
#include "base/win/owners.h"
#include "launcher/launcher_limits.h"
#include "launcher/win/launcher_window_commands.h"
#include "launcher/win/launcher_window_state.h"
#include "launcher/win/result_list_view.h"
#include "launcher/window_geometry.h"
#include "resources/resource.h"
#include "settings/win/settings_store.h"

#include <commctrl.h>

#include <utility>

namespace {

LauncherWindowState& state = launcherWindowState;

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

// The window's font, the hint's bold copy and the row fonts, made again at the new DPI.
void rescaleFonts(HWND window, int oldDpi, int newDpi)
{
    HFONT current = state.rescaledFont.get() != nullptr ? state.rescaledFont.get() : state.dialogFont;
    LOGFONTA face{};
    GetObjectA(current, sizeof face, &face);
    face.lfHeight = rescaleBetweenDpis(face.lfHeight, oldDpi, newDpi);
    Font rescaled(CreateFontIndirectA(&face));
    if (rescaled.get() == nullptr)
        return;
    setControlFonts(window, rescaled.get());
    state.hintFont.lend(hintText(window), fontVariant(rescaled.get(), BoldWeight, false), false);
    makeRowFonts(rescaled.get());
    state.rescaledFont = std::move(rescaled); // the controls have let go of the earlier one
}

void rescaleControl(HWND window, HWND control, int oldDpi, int newDpi)
{
    const Box box = rescaledBox(controlBox(window, control), oldDpi, newDpi);
    MoveWindow(control, box.left, box.top, box.width, box.height, FALSE);
}

} // namespace

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
    state.rowNameFont = fontVariant(listFont, BoldWeight, false);
    state.rowDirectoryFont = fontVariant(listFont, NormalWeight, true);
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

// The rows' height: the taller of the window's font and a small icon at its DPI, and a little
// room. The list asks when it is created (before WM_INITDIALOG) and whenever it is moved.
bool onMeasureItem(HWND window, MEASUREITEMSTRUCT* item)
{
    if (item->CtlID != IDC_RESULT_LIST)
        return false;
    const int dpi = state.opened ? state.dpi : windowDpi(window);
    HFONT font = state.opened && state.rescaledFont.get() != nullptr ? state.rescaledFont.get() : fontOf(window);
    int height = 0;
    const WindowDC dc(window);
    if (dc.get()) {
        SelectedObject selected(dc.get(), font);
        TEXTMETRICA metrics{};
        if (GetTextMetricsA(dc.get(), &metrics))
            height = metrics.tmHeight;
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
