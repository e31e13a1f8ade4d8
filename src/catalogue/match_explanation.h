// How one entry's match score is made, term by term, for people who wonder why an entry
// ranks where it does (tandor-query --explain).
#pragma once

#include "catalogue/catalogue.h"
#include "settings/settings_model.h"

#include <cstdint>
#include <string>
#include <vector>

struct MatchExplanation {
    bool matched = false;
    std::int32_t total = 0;     // as the match pass computes it, before narrowing to 16 bits
    std::vector<std::string> lines;
};

MatchExplanation explainMatch(const CatalogueEntry& entry, const std::string& upperQuery,
                              const std::vector<ScanDirectory>& directories);
