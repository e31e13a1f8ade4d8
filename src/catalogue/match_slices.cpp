#include "catalogue/match_slices.h"

#include <algorithm>

void cutSlices(MatchIndex& index, std::size_t count)
{
    std::size_t sliceCount = std::max<std::size_t>(1, count / std::max<std::size_t>(1, index.smallestSlice));
    if (sliceCount > 1)
        sliceCount = std::min(sliceCount, poolOf(index).threadCount() * SlicesPerThread);
    index.slices.assign(sliceCount, MatchSlice());
    for (std::size_t s = 0; s < sliceCount; ++s) {
        index.slices[s].begin = static_cast<std::uint32_t>(count * s / sliceCount);
        index.slices[s].end = static_cast<std::uint32_t>(count * (s + 1) / sliceCount);
    }
}

SliceMarks& currentMarks(MatchIndex& index, MatchSlice& slice)
{
    return slice.levels[index.passes.size() - 1];
}
