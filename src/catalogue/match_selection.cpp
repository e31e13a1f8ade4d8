#include "catalogue/match_selection.h"

#include "catalogue/best_candidates.h"
#include "catalogue/match_slices.h"

#include <algorithm>

namespace {

// Below this many matched entries, selecting slice by slice on one thread beats waking others.
constexpr std::size_t SmallestParallelSelection = 16384;

MatchSlice& sliceOf(MatchIndex& index, std::uint32_t place)
{
    auto after = std::upper_bound(index.slices.begin(), index.slices.end(), place,
        [](std::uint32_t value, const MatchSlice& slice) { return value < slice.begin; });
    return *(after - 1);
}

// Takes the entry at `place` out of the matched ones.
void markTaken(MatchIndex& index, std::uint32_t place)
{
    SliceMarks& marks = currentMarks(index, sliceOf(index, place));
    const auto found = std::lower_bound(marks.marked.begin(), marks.marked.end(), place);
    const auto position = static_cast<std::size_t>(found - marks.marked.begin());
    marks.taken.push_back(RankedEntry{static_cast<std::uint32_t>(position), marks.scores[position]});
    marks.scores[position] = TakenScore;
    --index.matchedCount;
}

void selectInSlice(const SliceMarks& marks, std::size_t capacity, std::vector<RankedEntry>& selected)
{
    BestOf<RankedEntry> best(selected, capacity);
    for (std::size_t k = 0; k < marks.marked.size(); ++k) {
        const std::int32_t score = marks.scores[k];
        if (score != TakenScore && best.wouldTake(score))
            best.take(RankedEntry{marks.marked[k], score});
    }
}

} // namespace

void selectBest(MatchIndex& index, std::size_t capacity)
{
    const bool fromPass = index.bestFromPass && capacity <= index.passCapacity;
    if (!fromPass) {
        auto select = [&](MatchSlice& slice) { selectInSlice(currentMarks(index, slice), capacity, slice.selected); };
        if (index.matchedCount >= SmallestParallelSelection)
            forEachSlice(index, select);
        else
            for (MatchSlice& slice : index.slices)
                select(slice);
    }
    index.passCapacity = capacity;
    index.bestFromPass = false; // what it takes is no longer matched
    index.bestLists.clear();
    for (MatchSlice& slice : index.slices)
        index.bestLists.push_back(fromPass ? &currentMarks(index, slice).best : &slice.selected);
    mergeBest(index.bestLists, capacity, index.mergePositions, index.merged);
    for (const RankedEntry& ranked : index.merged)
        markTaken(index, ranked.place);
}
