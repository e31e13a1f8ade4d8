// Keeping catalogue entries attached to their directories when the directory list is replaced.
#pragma once

#include "catalogue/catalogue.h"
#include "settings/settings_model.h"

#include <vector>

constexpr int DirectoryGone = -1;

// For each position of `before`, the position of the same directory (same path, each new one
// claimed once, in order) in `after`, or DirectoryGone.
std::vector<int> directoryMoves(const std::vector<ScanDirectory>& before, const std::vector<ScanDirectory>& after);

// Entries follow their directory to its new position; entries of a directory that is gone leave the
// catalogue, and an index that named no directory before names none after. Without this an entry would
// show another directory's name and weight, and the next rescan of its old position would remove the
// wrong entries.
void followDirectoryList(Catalogue& catalogue, const std::vector<ScanDirectory>& before,
                         const std::vector<ScanDirectory>& after);
