// The process settings on disk: the data folder, Settings.ini and uninst.dir.
#pragma once

#include <windows.h>

#include <string>

#include "settings/data_files.h"
#include "settings/settings_model.h"

// The running program's settings. They belong to the user-interface thread; the change monitor
// reads `settings.directories` only while arming its watches, under DirectoryListLock.
extern Settings settings;

// Full path of a file in the per-user data folder, which is created when missing.
std::string dataFolderPath(const char* fileName);
// Reads Settings.ini into `settings` or makes the first-run defaults; a tour asked for on the
// command line is shown as to a first-time user.
void initialiseSettings(bool tourRequested);
bool loadSettings();
// Writes Settings.ini atomically; false with the system's reason in `failure` when it could not.
bool saveSettings(std::string* failure = nullptr);
// Saves, and tells the user in a message box owned by `owner` when the save failed.
bool saveSettingsOrTell(HWND owner);
void recordUserDataFolder();
