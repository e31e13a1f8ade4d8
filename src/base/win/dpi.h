// Display scaling on Windows: the DPI a window is shown at, and the system's small icons at the
// size that DPI asks for. The calls that per-monitor scaling needs exist from Windows 10 on;
// they are looked up at run time, and earlier systems get the system-wide DPI.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "base/dpi_scale.h"

// WM_DPICHANGED (Windows 8.1 on): wParam's high word the new DPI, lParam the suggested RECT.
constexpr UINT DpiChangedMessage = 0x02E0;

// The DPI of the monitor the window is on (per-monitor awareness), else the system's.
int windowDpi(HWND window);

// The width and height of a small icon at `dpi`.
int smallIconSize(int dpi);

// Of the system's icon lists, the one whose icons come closest to the small-icon size of `dpi`
// (the same size, else the next larger). Its icon indexes are those of every system icon list.
// The system owns the list; never destroy it.
HIMAGELIST systemIconListForDpi(int dpi);

// Draws icon `index` of `images` at (x, y), `size` pixels square: as it is when the list holds
// icons of that size, scaled otherwise.
void drawIconOfSize(HIMAGELIST images, int index, HDC dc, int x, int y, int size);

// Sizes a dialog and its controls as its template measures at 96 DPI, scaled to the dialog's
// DPI, keeping its centre. The dialog manager converts dialog units with the template font made
// at the dialog's DPI, whose whole-pixel character width and height do not grow in step with
// the DPI (an 8-point font is 7 pixels wide at 96 DPI but 13, not 14, at 192 DPI).
void fitDialogToDpi(HWND dialog);

// Keeps the dialog manager from rescaling this dialog by itself when its DPI changes: its
// WM_DPICHANGED handler does that.
void takeOverDpiChanges(HWND dialog);
