// The process settings on disk: the data folder, Settings.ini and uninst.dir.
#pragma once

#include <windows.h>

#include <string>

// The files of the per-user data folder.
constexpr const char* SettingsFileName = "Settings.ini";
constexpr const char* CatalogueFileName = "scandb.dat";
constexpr const char* ScoresFileName = "scores.dat";

// Full path of a file in the per-user data folder, which is created when missing.
std::string dataFolderPath(const char* fileName);
// Reads Settings.ini into `settings` or makes the first-run defaults.
void initialiseSettings();
bool loadSettings();
// Writes Settings.ini atomically; false with the system's reason in `failure` when it could not.
bool saveSettings(std::string* failure = nullptr);
// Saves, and tells the user in a message box owned by `owner` when the save failed.
bool saveSettingsOrTell(HWND owner);
void recordUserDataFolder();
