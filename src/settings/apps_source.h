// Where the source of packaged apps (apps that have no shortcut file) is kept in Settings.ini.
//
// It is one [Directories] line, so that it has a place in the directory list, a priority and a
// name like every directory, and a launcher that knows no such source keeps it on saving:
//
//     "shell:AppsFolder\"=-1,0,<priority>,"<name>"
//
// A launcher that predates the source reads it as a folder whose scan definition (-1) does not
// exist: its walk skips such a directory before it lists anything, and watching the path fails,
// which gives the watch slot to the next directory. Turning the source off removes the line.
// Whether the source was ever offered is one bit of GlobalScanFlags, which every launcher keeps
// whole, so a source the user removed is not offered again.
#pragma once

#include <string>

#include "settings/settings_model.h"

extern const char* const AppsSourcePath;
constexpr std::int32_t AppsSourceDefinitionId = -1;

bool isAppsSource(const ScanDirectory& directory);
ScanDirectory appsSourceDirectory(const std::string& name);

// The path an app's entry carries: the shell opens it by name, and launch scores are kept by it.
std::string appsFolderEntryPath(const std::string& appUserModelId);
// True for a path inside the Applications folder, which only the shell can open or draw.
bool isAppsFolderEntryPath(const std::string& path);

// Appends the source once to settings that were never offered it, where the system has packaged
// apps; every line that was read stays as it was.
void offerAppsSource(Settings& settings, bool systemHasPackagedApps, const std::string& name);
