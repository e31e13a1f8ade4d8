// One match pass: every slice's marks for a query, walked afresh, typed on from the marks of the
// level below, or (one letter) read from the names' summaries.
#pragma once

#include "catalogue/catalogue.h"

#include <cstddef>
#include <string>

// Makes the marks of `level` in every slice for `upperQuery`; `resumeFrom` is the length of the
// query the level below was made for (0 at level 0).
void runMatchPass(MatchIndex& index, const CatalogueEntry* entries, const std::string& upperQuery, std::size_t level,
                  std::size_t resumeFrom);
