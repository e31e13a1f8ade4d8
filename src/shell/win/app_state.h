// The process-wide state of the launcher. All of it belongs to the user-interface thread;
// the change monitor reads `settings.directories` only while arming its watches.
#pragma once

#include <windows.h>

#include "catalogue/catalogue.h"
#include "catalogue/score_store.h"
#include "settings/settings_model.h"

struct AppShell {
    HINSTANCE appInstance = nullptr;
    HWND mainWindow = nullptr;
    ATOM hotkeyAtom = 0;
    UINT taskbarCreatedMessage = 0;
    bool closeRequested = false;
    bool tourRequested = false;
    bool quitPending = false; // a quit request that arrived while a scan ran
};

extern AppShell app;
extern Settings settings;
extern Catalogue catalogue;
extern ScoreStore scoreStore;
