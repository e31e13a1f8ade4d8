// The launcher window's state, shared by the files that serve its messages: one launcher window
// exists at a time.
#pragma once

#include <windows.h>

#include "base/dpi_scale.h"
#include "base/win/fonts.h"
#include "launcher/announcement.h"
#include "launcher/launcher_links.h"
#include "launcher/result_list.h"
#include "resources/resource.h"

constexpr UINT_PTR RetryTimerId = 1;
constexpr int ResultClosedByLaunch = 1;
constexpr int ResultClosed = 2;

// What holds for one open window only: set afresh as each window opens.
struct OpenLauncherWindow {
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

// Until the links are handed over, events go nowhere and typed text is marked.
inline void ignoreLauncherEvent(LauncherEvent) {}
inline bool alwaysMarkTypedText() { return true; }
inline void ignoreVanishedEntry(int) {}

struct LauncherWindowState : OpenLauncherWindow {
    // The window's fonts: its own after a DPI change (null before one), the hint's bold copy lent
    // to the hint, and the rows' made for drawing. Given back as each window closes.
    Font rescaledFont;
    ControlFont hintFont;
    Font rowNameFont;
    Font rowDirectoryFont;
    // Handed over once at start-up.
    LauncherLinks links = {ignoreLauncherEvent, alwaysMarkTypedText, ignoreVanishedEntry};
};

extern LauncherWindowState launcherWindowState;

inline HWND queryEdit(HWND window) { return GetDlgItem(window, IDC_QUERY_EDIT); }
inline HWND resultList(HWND window) { return GetDlgItem(window, IDC_RESULT_LIST); }
inline HWND hintText(HWND window) { return GetDlgItem(window, IDC_HINT_TEXT); }
inline HWND liveRegion(HWND window) { return GetDlgItem(window, IDC_ANNOUNCEMENT); }
