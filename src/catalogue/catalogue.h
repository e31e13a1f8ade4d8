// The in-memory catalogue: everything the launcher can start, in creation order
// (that order is the ranking's final tie-break).
#pragma once

#include "catalogue/match_index.h"
#include "settings/settings_model.h"

#include <cstdint>
#include <string>
#include <vector>

struct CatalogueEntry {
    std::string path;
    std::string name;
    std::int8_t launchScore = 0;
    // Position of the entry's scan directory in the directory list, or -1 for none.
    // Wider than the catalogue file's byte, so that every directory keeps its own entries.
    std::int32_t directoryIndex = -1;
    std::int32_t iconIndex = -1;
    std::uint32_t charMask = 0;
};

constexpr int MaxLaunchScore = 10;
constexpr int HiddenLaunchScore = -4;

struct Catalogue {
    std::vector<CatalogueEntry> entries;
    // Raised by every operation below that adds, removes or renames entries. Code that
    // changes `entries`, or an entry's name or directory, by hand calls noteCatalogueChanged afterwards.
    std::uint64_t revision = 0;
    // Raised when an entry's launch score changes (recordLaunch, hideEntry).
    std::uint64_t launchRevision = 0;
    // Beside the entries, not in them: what the matcher reads and what its last pass found.
    MatchIndex matchIndex;
};

std::uint32_t computeCharMask(const char* text);
void setName(CatalogueEntry& entry, const std::string& text);
void appendEntry(Catalogue& catalogue, const CatalogueEntry& entry);
void clearCatalogue(Catalogue& catalogue);
int directoryIndexOf(const std::vector<ScanDirectory>& directories, const ScanDirectory& directory);
void removeDirectoryEntries(Catalogue& catalogue, int directoryIndex);
void resetIcons(Catalogue& catalogue);
void noteCatalogueChanged(Catalogue& catalogue);

// A launch raises the score by one up to the maximum; hiding sets it to the hidden score.
void recordLaunch(Catalogue& catalogue, CatalogueEntry& entry);
void hideEntry(Catalogue& catalogue, CatalogueEntry& entry);
