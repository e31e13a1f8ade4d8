// The in-memory catalogue: everything the launcher can start, in creation order
// (that order is the ranking's final tie-break).
#pragma once

#include "settings/settings_model.h"

#include <cstdint>
#include <string>
#include <vector>

enum CatalogueEntryFlag : std::uint8_t {
    Matched = 0x01,
};

struct CatalogueEntry {
    std::string path;
    std::string name;
    std::int16_t matchScore = 0;
    std::uint8_t flags = 0;
    std::int8_t launchScore = 0;
    // Position of the entry's scan directory in the directory list, or -1 for none.
    // Wider than the catalogue file's byte, so that every directory keeps its own entries.
    std::int32_t directoryIndex = -1;
    std::int32_t iconIndex = -1;
    std::uint32_t charMask = 0;
};

constexpr int MaxLaunchScore = 10;
constexpr int HiddenLaunchScore = -4;

// What the match pass reads of every entry, packed tightly so that a keystroke streams a few
// bytes per entry instead of whole entries. Rebuilt by the matcher whenever the catalogue
// changed since it was made; nothing else uses it.
constexpr std::size_t MatchIndexPadding = 8; // lets the matcher read names eight bytes at a time
struct MatchIndex {
    const CatalogueEntry* entriesData = nullptr;
    std::size_t entryCount = 0;
    std::uint64_t revision = 0;
    bool built = false;
    struct Item {
        std::uint32_t mask;
        std::uint32_t nameOffset; // into `names`
    };
    bool usable = false; // false when the names outgrow 32-bit offsets
    std::vector<Item> items;
    std::string names; // every name, each followed by a NUL; then MatchIndexPadding NULs
    // Per entry, what a one-letter query scores at the first hit (see the matcher): the
    // first keystroke matches most of the catalogue and would otherwise walk every name.
    std::vector<std::uint64_t> firstHits;
    // The entries the last match pass marked, in catalogue order, with their scores.
    std::vector<std::uint32_t> marked;
    std::vector<std::int32_t> markedScores;
    std::vector<std::uint32_t> previouslyMarked; // scratch of the match pass
    std::string lastQuery; // of the pass that made `marked`
};

struct Catalogue {
    std::vector<CatalogueEntry> entries;
    // Raised by every operation below that adds, removes or renames entries. Code that
    // changes `entries` or an entry's name by hand calls noteCatalogueChanged afterwards.
    std::uint64_t revision = 0;
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
void recordLaunch(CatalogueEntry& entry);
void hideEntry(CatalogueEntry& entry);
