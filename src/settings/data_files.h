// The launcher's files, named once for the launcher, its remover and the tools that read them.
#pragma once

#include "base/system_files.h" // UnfinishedSaveSuffix: a data file with it is one of ours too

// The per-user data folder, in the user's application-data folder, and the files in it.
constexpr char DataFolderName[] = "Tandor";
constexpr char SettingsFileName[] = "Settings.ini";
constexpr char CatalogueFileName[] = "scandb.dat";
constexpr char ScoresFileName[] = "scores.dat";

// The application-data folders of every user who saved settings, for the remover. Relative on
// purpose: the launcher writes it in its working folder, and the remover is started in the
// folder that holds it.
constexpr char UninstallListName[] = "uninst.dir";
