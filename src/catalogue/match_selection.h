// Selecting the best matched entries: from the slices' best lists the pass kept, or from a walk
// over the marks, merged across the slices; what a selection takes is no longer matched.
#pragma once

#include "catalogue/match_index.h"

#include <cstddef>

// Leaves the best matched entries, at most `capacity`, best first, in `index.merged`, and takes
// them out of the matched ones.
void selectBest(MatchIndex& index, std::size_t capacity);
