#include "catalogue/matcher.h"

#include "catalogue/kept_passes.h"
#include "catalogue/match_index_build.h"
#include "catalogue/match_selection.h"
#include "catalogue/match_slices.h"

std::size_t matchCatalogue(Catalogue& catalogue, const std::string& upperQuery,
                           const std::vector<ScanDirectory>& directories)
{
    MatchIndex& index = catalogue.matchIndex;
    if (!indexIsCurrent(catalogue))
        rebuildIndex(catalogue);
    if (refreshBias(catalogue, directories))
        index.passes.clear(); // their scores hold the old terms
    const std::string query(upperQuery.c_str()); // a name holds no NUL, so a query ends at one
    index.passes.resize(passesBeginning(index.passes, query));
    index.matchedCount = 0;
    if (query.empty()) // an empty query matches nothing, and no query begins with it
        return 0;
    if (!index.passes.empty() && index.passes.back().query == query)
        returnToLastPass(index);
    else
        runKeptPass(catalogue, query);
    index.passCapacity = index.passes.back().capacity;
    index.bestFromPass = true;
    for (MatchSlice& slice : index.slices)
        index.matchedCount += currentMarks(index, slice).marked.size();
    return index.matchedCount;
}

std::vector<ResultSlot> selectResults(Catalogue& catalogue, std::size_t capacity)
{
    std::vector<ResultSlot> slots;
    MatchIndex& index = catalogue.matchIndex;
    if (capacity == 0 || !indexIsCurrent(catalogue) || index.matchedCount == 0)
        return slots; // marks of an earlier catalogue are no marks
    selectBest(index, capacity);
    slots.reserve(index.merged.size());
    for (const RankedEntry& ranked : index.merged)
        slots.push_back(ResultSlot{&catalogue.entries[ranked.place], ranked.score, 0});
    return slots;
}

std::vector<RankedEntry> matchedEntries(const Catalogue& catalogue)
{
    std::vector<RankedEntry> matched;
    const MatchIndex& index = catalogue.matchIndex;
    if (!indexIsCurrent(catalogue) || index.passes.empty())
        return matched;
    for (const MatchSlice& slice : index.slices) {
        const SliceMarks& marks = slice.levels[index.passes.size() - 1];
        for (std::size_t k = 0; k < marks.marked.size(); ++k) {
            if (marks.scores[k] != TakenScore)
                matched.push_back(RankedEntry{marks.marked[k], marks.scores[k]});
        }
    }
    return matched;
}
