// Full scans and single-directory rescans of the catalogue, with the progress window.
#pragma once

#include <cstddef>

void scanAllDirectories(bool duringStartup);
void rescanDirectory(std::size_t directoryIndex);
bool saveCatalogueFile();
// How many full scans have started in this run: a change reported before one started is covered.
unsigned fullScansStarted();
bool loadCatalogueFile();
