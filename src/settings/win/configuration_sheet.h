// The configuration sheet: its opening and closing, and the state its pages share while it is open.
#pragma once

#include <windows.h>

#include <vector>

#include "settings/settings_model.h"

struct ConfigurationSession {
    HWND sheetWindow = nullptr;                 // set while the sheet is open
    std::vector<ScanDirectory> editDirectories; // working copy of settings.directories
    std::vector<ScanDefinition> editDefinitions; // working copy of settings.definitions
    int currentDefinition = -1;                 // index into editDefinitions shown on its page, or -1
    int changedSinceOpen = 0;                   // something changed that makes the catalogue stale
    int rescanRecommended = 0;                  // a page applied while changedSinceOpen was set
};

extern ConfigurationSession configuration;

// Opens the sheet, or brings an open one forward; does nothing while a scan runs.
void openConfiguration();

// Page procedures, one per page of the sheet.
INT_PTR CALLBACK WelcomePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK DirectoriesPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK UserInterfacePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ScanDefinitionsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ScanOptionsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
