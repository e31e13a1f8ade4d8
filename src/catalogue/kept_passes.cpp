#include "catalogue/kept_passes.h"

#include "catalogue/key_walk.h"
#include "catalogue/match_pass.h"
#include "catalogue/match_slices.h"

#include <algorithm>

namespace {

// Frees a level for one more pass; its storage goes to the new one.
void dropOldestPass(MatchIndex& index)
{
    index.passes.erase(index.passes.begin());
    for (MatchSlice& slice : index.slices)
        std::rotate(slice.levels.begin(), slice.levels.begin() + 1, slice.levels.begin() + MostKeptPasses);
}

// True when `query` read as the key walk reads it has a character boundary at `length`. A
// kept query that ends inside one of its characters was walked with a stray byte, which no key
// holds, so its marks lack every keyed name the whole character matches.
bool endsOnCharacter(const std::string& query, std::size_t length)
{
    std::size_t at = 0;
    while (at < length)
        at += keyCharacterLength(query.c_str() + at);
    return at == length;
}

} // namespace

std::size_t passesBeginning(const std::vector<KeptPass>& passes, const std::string& query)
{
    std::size_t count = 0;
    while (count < passes.size() && query.compare(0, passes[count].query.size(), passes[count].query) == 0 &&
           endsOnCharacter(query, passes[count].query.size()))
        ++count;
    return count;
}

void returnToLastPass(MatchIndex& index)
{
    for (MatchSlice& slice : index.slices) {
        SliceMarks& marks = currentMarks(index, slice);
        for (const RankedEntry& taken : marks.taken)
            marks.scores[taken.place] = taken.score;
        marks.taken.clear();
    }
}

void runKeptPass(Catalogue& catalogue, const std::string& upperQuery)
{
    MatchIndex& index = catalogue.matchIndex;
    if (index.passes.size() == MostKeptPasses)
        dropOldestPass(index);
    const std::size_t level = index.passes.size();
    const std::size_t resumeFrom = level > 0 ? index.passes.back().query.size() : 0;
    runMatchPass(index, catalogue.entries.data(), upperQuery, level, resumeFrom);
    index.passes.push_back(KeptPass{upperQuery, index.passCapacity});
}
