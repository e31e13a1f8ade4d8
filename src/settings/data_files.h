// The launcher's files, named once for the launcher, its remover and the tools that read them.
#pragma once

// The per-user data folder, in the user's application-data folder, and the files in it.
constexpr char DataFolderName[] = "Tandor";
constexpr char SettingsFileName[] = "Settings.ini";
constexpr char CatalogueFileName[] = "scandb.dat";
constexpr char ScoresFileName[] = "scores.dat";
// Added to a file's name while a save of it is under way; a killed process may leave it behind.
constexpr char UnfinishedSaveSuffix[] = ".new";

// The application-data folders of every user who saved settings, for the remover. Relative on
// purpose: the launcher writes it in its working folder, and the remover is started in the
// folder that holds it.
constexpr char UninstallListName[] = "uninst.dir";
