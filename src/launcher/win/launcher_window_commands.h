// The launcher window's keys and commands: typing fills the list, and the keys, the mouse on the
// list and its menu launch, hide or show an entry.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

// The typed text, cut to the matcher's longest query at a whole character, and upper-cased as
// the matcher takes it.
std::string readQuery(HWND window);
std::string readUpperQuery(HWND window);
// Restarts the timer after which the typed text is marked (when the settings ask for it).
void startRetryTimer(HWND window);
// Fills the list with the best entries for the query.
void refresh(HWND window, const std::string& upperQuery);
// Shows the hint in place of the list, or the list.
void showHint(HWND window, bool hint);
void showProperties(HWND window);

void onCommand(HWND window, int id, HWND control, UINT notification);
// A key that moves the selection, from the keyboard filter.
void onMoveSelection(HWND window, int key);
void onHideSelected(HWND window);
void onTimer(HWND window, UINT id);
void onIconLoaded(HWND window, WPARAM rowAndGeneration, LPARAM image);
LRESULT onListNotify(HWND window, const NMHDR& header);
