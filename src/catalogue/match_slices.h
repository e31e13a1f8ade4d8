// The slices of the match index: cut once per catalogue, matched and selected at once on the
// cores of the machine.
#pragma once

#include "catalogue/match_index.h"

#include <cstddef>

inline WorkerPool& poolOf(const MatchIndex& index)
{
    return index.pool != nullptr ? *index.pool : machineWorkerPool();
}

// Runs work(slice) for every slice, at once when there is more than one.
template <typename Work>
void forEachSlice(MatchIndex& index, Work&& work)
{
    auto onSlice = [&](std::size_t part) { work(index.slices[part]); };
    if (index.slices.size() > 1)
        runEachPart(poolOf(index), index.slices.size(), onSlice);
    else if (!index.slices.empty())
        onSlice(0);
}

void cutSlices(MatchIndex& index, std::size_t count);

// The marks of the current (last kept) pass in `slice`.
SliceMarks& currentMarks(MatchIndex& index, MatchSlice& slice);
