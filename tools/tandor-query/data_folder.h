// Where the launcher keeps its files for the current user; empty where there is no such place.
#pragma once

#include <string>

// The launcher's data folder with a trailing separator, or "" (not on Windows, or unknown).
std::string launcherDataFolder();
