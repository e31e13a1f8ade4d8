// Texts a result row shows besides the entry's name.
#pragma once

#include "catalogue/catalogue.h"
#include "settings/settings_model.h"

#include <string>
#include <vector>

// The name of the entry's scan directory, or null when the entry belongs to none.
const char* directoryNameOf(const CatalogueEntry& entry, const std::vector<ScanDirectory>& directories);

// A path as a menu item shows it: a '&' would otherwise underline the next letter and vanish.
std::string menuTextOfPath(const std::string& path);
