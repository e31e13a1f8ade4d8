// The launcher's per-user data folder and the files in it, named once for the launcher and the
// tools that read its files.
#pragma once

// The folder in the user's application-data folder.
constexpr const char* DataFolderName = "Tandor";
constexpr const char* SettingsFileName = "Settings.ini";
constexpr const char* CatalogueFileName = "scandb.dat";
constexpr const char* ScoresFileName = "scores.dat";
