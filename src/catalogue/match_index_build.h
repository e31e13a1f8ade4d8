// Building the match index from the catalogue, and the launch and directory terms beside it.
#pragma once

#include "catalogue/catalogue.h"
#include "settings/settings_model.h"

#include <vector>

// True when the index was made from the catalogue as it stands.
bool indexIsCurrent(const Catalogue& catalogue);
void rebuildIndex(Catalogue& catalogue);

// The launch and directory terms of every entry, remade only when a launch score or a
// directory's priority changed: a keystroke then reads two bytes per entry, not the entry.
// True when they were remade.
bool refreshBias(Catalogue& catalogue, const std::vector<ScanDirectory>& directories);
