// scandb.dat: the catalogue kept across runs, so that the launcher is ready at start
// without walking every directory again.
#pragma once

#include "catalogue/catalogue.h"
#include "catalogue/score_store.h"
#include "settings/settings_model.h"

#include <cstddef>
#include <string>
#include <vector>

// Reading position in a file's bytes.
struct ByteCursor {
    const char* at;
    const char* end;
};

// Reads one NUL-terminated string into `text` (without the NUL). False when the bytes ended
// before a NUL: `text` then holds what was there.
bool readZString(ByteCursor& cursor, std::string& text);

// Writes the whole catalogue; the previous file stays intact when this fails.
bool saveCatalogueFile(const Catalogue& catalogue, const std::string& path);

// True when the file was read and began with the magic; the catalogue is then replaced by its
// complete records (a truncated last record is dropped). Launch scores come from `scores`,
// which the caller loads first. With `directories`, entries of directories beyond the first
// 128 are given back their directory (see the source).
bool loadCatalogueFile(Catalogue& catalogue, const ScoreStore& scores, const std::string& path);
bool loadCatalogueFile(Catalogue& catalogue, const ScoreStore& scores, const std::string& path,
                       const std::vector<ScanDirectory>& directories);

// The same for the file's bytes, and the bytes of the file for a catalogue.
bool loadCatalogueBytes(Catalogue& catalogue, const ScoreStore& scores, const std::string& bytes,
                        const std::vector<ScanDirectory>& directories);
std::string formatCatalogueFile(const Catalogue& catalogue);

// The directory byte stored for an in-memory directory index.
signed char storedDirectoryIndex(std::int32_t directoryIndex);
