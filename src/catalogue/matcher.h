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
// priority weight. Returns the number of matched entries. The marks and scores are kept beside
// the entries, in the catalogue's match index.
std::size_t matchCatalogue(Catalogue& catalogue, const std::string& upperQuery,
                           const std::vector<ScanDirectory>& directories);

// The best matched entries, at most `capacity`, by score descending and catalogue order on ties;
// each entry taken is no longer matched.
std::vector<ResultSlot> selectResults(Catalogue& catalogue, std::size_t capacity);

// The entries still matched after the last pass and the selections since, in catalogue order.
std::vector<RankedEntry> matchedEntries(const Catalogue& catalogue);
