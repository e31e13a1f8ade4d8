// Deterministic catalogues that look like a real user's: programs, documents and folders.
#pragma once

#include "catalogue/catalogue.h"

#include <cstddef>

// The share of names written in another script (Latin-1, Cyrillic, Greek, Chinese, Korean), in
// part or whole: by default one in ten.
constexpr unsigned DefaultScriptPercent = 10;

Catalogue makeRealisticCatalogue(std::size_t entryCount, std::size_t directoryCount = 8,
                                 unsigned scriptPercent = DefaultScriptPercent);
