// A plain list of display names, one per line, ranked as catalogue entries would be.
#pragma once

#include "catalogue/catalogue.h"
#include "catalogue/score_store.h"
#include "catalogue/worker_pool.h"
#include "names_text.h"

#include <cstddef>
#include <string>
#include <vector>

// Each non-empty line (LF or CR LF) becomes an entry whose path is the name itself, which
// belongs to no directory and takes its launch score from `scores`.
void appendNames(const std::string& bytes, const ScoreStore& scores, Catalogue& catalogue);

struct RankedName {
    std::string name;
    std::int32_t score = 0;
};

// The best `limit` lines for `upperQuery`, best first: the same ranking as making every line an
// entry and matching the catalogue, without making a million entries that cannot show. The
// lines are walked where they stand, in parts that the pool's threads match at once; a part
// holds at least `smallestPart` bytes.
constexpr std::size_t SmallestNamesPart = 1 << 18;
std::vector<RankedName> rankNames(const NamesText& text, const std::string& upperQuery, std::size_t limit,
                                  const ScoreStore& scores, WorkerPool& pool,
                                  std::size_t smallestPart = SmallestNamesPart);
