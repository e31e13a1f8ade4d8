// The launcher window's size and place: its stored size, dragging it by its face, laying out its
// controls, and moving to a display of another DPI.
#pragma once

#include <windows.h>

// Opens the window at the size the settings keep (at 96 DPI) when it exceeds the template's.
void applyStoredSize(HWND window);
// The rows' bold name and italic directory fonts, made from the list's font.
void makeRowFonts(HFONT listFont);
void setControlFonts(HWND window, HFONT font);

void onLButtonDown(HWND window, BOOL doubleClick, int x, int y, UINT keys);
void onMouseMove(HWND window, int x, int y, UINT keys);
void onLButtonUp(HWND window, int x, int y, UINT keys);
void onSize(HWND window, UINT type, int clientWidth, int clientHeight);
void onGetMinMaxInfo(HWND window, MINMAXINFO* limits);
bool onMeasureItem(HWND window, MEASUREITEMSTRUCT* item);
void onDpiChanged(HWND window, int newDpi, const RECT& suggested);
