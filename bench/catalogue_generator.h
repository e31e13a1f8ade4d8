// Deterministic catalogues that look like a real user's: programs, documents and folders.
#pragma once

#include "catalogue/catalogue.h"

#include <cstddef>

Catalogue makeRealisticCatalogue(std::size_t entryCount, std::size_t directoryCount = 8);
