// The abbreviation matcher: scores every catalogue entry against the typed text and picks the
// best ones, best first.
#pragma once

#include "catalogue/catalogue.h"
#include "settings/settings_model.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int MaxQueryLength = 63;

struct ResultSlot {
    CatalogueEntry* entry = nullptr;
    std::int32_t score = 0;
    std::int32_t iconPosted = 0;
};

// One match pass; `upperQuery` must already be upper-cased. The directories give each entry's
// priority weight. Returns the number of matched entries.
std::size_t matchCatalogue(Catalogue& catalogue, const std::string& upperQuery,
                           const std::vector<ScanDirectory>& directories);

// The names of `index` that the query matches, in index order, each with the score its walk
// earns (launch and directory terms left out), into `marked` and `markedScores`. The match
// pass is built on it; a tool holding bare names can use it to find the only entries worth
// making. Only `items` and `names` of the index are read.
void markMatchingNames(MatchIndex& index, const std::string& upperQuery);

// The best matched entries, at most `capacity`, by score descending and catalogue order on ties;
// clears `matched` on each entry taken.
std::vector<ResultSlot> selectResults(Catalogue& catalogue, std::size_t capacity);
