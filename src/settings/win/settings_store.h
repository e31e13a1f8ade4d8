// The process settings on disk: the data folder, Settings.ini and uninst.dir.
#pragma once

#include <string>

#include "settings/data_files.h"

// Full path of a file in the per-user data folder, which is created when missing.
std::string dataFolderPath(const char* fileName);
// Reads Settings.ini into `settings` or makes the first-run defaults.
void initialiseSettings();
bool loadSettings();
bool saveSettings();
void recordUserDataFolder();
