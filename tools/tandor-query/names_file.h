// A plain list of display names, one per line, read as catalogue entries.
#pragma once

#include "catalogue/catalogue.h"
#include "catalogue/score_store.h"

#include <cstddef>
#include <string>

// The whole file; false when it cannot be read.
bool readNamesFile(const std::string& path, std::string& bytes);

// Each non-empty line (LF or CR LF) becomes an entry whose path is the name itself, which
// belongs to no directory and takes its launch score from `scores`.
void appendNames(const std::string& bytes, const ScoreStore& scores, Catalogue& catalogue);

// The same, but only for the lines that can rank among the best `limit` for `upperQuery`, in
// file order. Ranking these is ranking the whole file: every line left out either does not
// match or is beaten by `limit` others. So a query over a million names does not first make
// a million entries that cannot show.
// Files from `smallestSplit` bytes on are matched in two parts at once.
constexpr std::size_t SmallestSplitFile = 1 << 20; // below, a second thread costs more than it saves
void appendNamesRanking(std::string bytes, const std::string& upperQuery, std::size_t limit,
                        const ScoreStore& scores, Catalogue& catalogue,
                        std::size_t smallestSplit = SmallestSplitFile);
