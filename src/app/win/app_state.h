// The process-wide state of the launcher, in a few named objects. All of it belongs to the
// user-interface thread; the change monitor reads `settings.directories` only while arming its
// watches, under DirectoryListLock. Every such object is defined in app_state.cpp, also those
// declared beside their subsystem (`configuration`, `launcherShared`).
#pragma once

#include <windows.h>

#include "catalogue/catalogue.h"
#include "catalogue/score_store.h"
#include "settings/settings_model.h"

// What the program is busy with: the one gate that keeps a scan, the configuration sheet and
// the launcher from starting inside each other. Changed through setTrayState, which also shows it.
enum TrayState {
    Idle = 0,
    Configuring = 1,
    Scanning = 2,
};

// The program's handles and what its command line asked for.
struct AppShell {
    HINSTANCE appInstance = nullptr;
    HWND mainWindow = nullptr;
    ATOM hotkeyAtom = 0;
    // Registered once at start: the shell's "TaskbarCreated", also the tray icon's callback message.
    UINT taskbarCreatedMessage = 0;
    bool closeRequested = false;
    bool tourRequested = false;
};

// The user-interface thread's work in progress.
struct UiState {
    TrayState trayState = Idle;
    bool scanCancelled = false; // the scan progress window's button was pressed
    bool quitPending = false;   // a quit request that arrived while a scan ran
};

extern AppShell app;
extern UiState ui;
extern Settings settings;
extern Catalogue catalogue;
extern ScoreStore scoreStore;
