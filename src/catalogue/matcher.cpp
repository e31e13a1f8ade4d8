#include "catalogue/matcher.h"

#include "catalogue/best_candidates.h"
#include "catalogue/first_hits.h"
#include "catalogue/match_rules.h"
#include "catalogue/name_walk.h"
#include "catalogue/planned_walk.h"

#include <algorithm>
#include <limits>

namespace {

// Entries whose signature test is gathered before their names are walked.
constexpr std::size_t SignatureRun = 1024;
// Below this many matched entries, selecting slice by slice on one thread beats waking others.
constexpr std::size_t SmallestParallelSelection = 16384;

int directoryWeight(const std::vector<ScanDirectory>& directories, std::int32_t directoryIndex)
{
    if (directoryIndex < 0 || static_cast<std::size_t>(directoryIndex) >= directories.size())
        return 0;
    return priorityWeight(directories[static_cast<std::size_t>(directoryIndex)].priority);
}

bool indexIsCurrent(const Catalogue& catalogue)
{
    const MatchIndex& index = catalogue.matchIndex;
    return index.built && index.entriesData == catalogue.entries.data() &&
           index.entryCount == catalogue.entries.size() && index.revision == catalogue.revision;
}

WorkerPool& poolOf(const MatchIndex& index)
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

void rebuildIndex(Catalogue& catalogue)
{
    MatchIndex& index = catalogue.matchIndex;
    const std::size_t count = catalogue.entries.size();
    std::size_t nameBytes = 0;
    for (const CatalogueEntry& entry : catalogue.entries)
        nameBytes += entry.name.size() + 1;
    index.entriesData = catalogue.entries.data();
    index.entryCount = count;
    index.revision = catalogue.revision;
    index.built = true;
    index.biasMade = false;
    index.passes.clear();
    index.matchedCount = 0;
    index.bestFromPass = false;
    index.usable = nameBytes <= std::numeric_limits<std::uint32_t>::max() &&
                   count <= std::numeric_limits<std::uint32_t>::max();
    index.items.clear();
    index.firstHits.clear();
    index.names.clear();
    index.items.resize(count);
    index.bias.assign(count, 0);
    cutSlices(index, count);
    if (!index.usable)
        return;
    index.firstHits.resize(count);
    index.names.resize(nameBytes + MatchIndexPadding, '\0');
    std::uint32_t offset = 0;
    for (std::size_t i = 0; i < count; ++i) {
        index.items[i].nameOffset = offset;
        offset += static_cast<std::uint32_t>(catalogue.entries[i].name.size() + 1);
    }
    // Copying the names and summarising them is the long part: each slice does its own.
    const CatalogueEntry* entries = catalogue.entries.data();
    forEachSlice(index, [&](MatchSlice& slice) {
        for (std::uint32_t i = slice.begin; i < slice.end; ++i) {
            const std::string& name = entries[i].name;
            index.items[i].mask = entries[i].charMask;
            std::copy(name.begin(), name.end(), &index.names[index.items[i].nameOffset]);
            index.firstHits[i] = summariseFirstHits(name.c_str());
        }
    });
}

bool weightsUnchanged(const MatchIndex& index, const std::vector<ScanDirectory>& directories)
{
    if (index.biasWeights.size() != directories.size())
        return false;
    for (std::size_t d = 0; d < directories.size(); ++d) {
        if (index.biasWeights[d] != priorityWeight(directories[d].priority))
            return false;
    }
    return true;
}

// The launch and directory terms of every entry, remade only when a launch score or a
// directory's priority changed: a keystroke then reads two bytes per entry, not the entry.
// True when they were remade.
bool refreshBias(Catalogue& catalogue, const std::vector<ScanDirectory>& directories)
{
    MatchIndex& index = catalogue.matchIndex;
    if (index.biasMade && index.biasLaunchRevision == catalogue.launchRevision && weightsUnchanged(index, directories))
        return false;
    index.biasWeights.clear();
    for (const ScanDirectory& directory : directories)
        index.biasWeights.push_back(priorityWeight(directory.priority));
    const CatalogueEntry* entries = catalogue.entries.data();
    forEachSlice(index, [&](MatchSlice& slice) {
        for (std::uint32_t i = slice.begin; i < slice.end; ++i)
            index.bias[i] = static_cast<std::int16_t>(LaunchScoreFactor * entries[i].launchScore +
                                                      directoryWeight(directories, entries[i].directoryIndex));
    });
    index.biasLaunchRevision = catalogue.launchRevision;
    index.biasMade = true;
    return true;
}

// What every slice of one pass shares.
struct Pass {
    Pass(const MatchIndex& index, const CatalogueEntry* entries, const char* query)
        : index(index), entries(entries), query(query), queryMask(computeCharMask(query))
    {
    }
    const MatchIndex& index;
    const CatalogueEntry* entries;
    const char* query;
    std::uint32_t queryMask;
    // Only the entries the level below matched can match: the greedy walk of the longer query
    // begins with the walk of the shorter one.
    bool typedOn() const { return level > 0; }
    std::size_t level = 0; // of the slices' marks this pass makes
    std::size_t resumeFrom = 0; // the length of the query the level below was made for
    bool wordWise = false; // the query has a plan: names can be read many bytes at a time
    WalkPlan plan;
};

// A run of matched entries with their scores, gathered before they join the marks so that
// nothing branches on whether each one matched.
struct MatchedRun {
    std::uint32_t places[SignatureRun];
    std::int32_t scores[SignatureRun];
    std::int32_t walkScores[SignatureRun];
    std::uint16_t stops[SignatureRun];
    std::size_t count = 0;

    void add(std::uint32_t place, std::int32_t walkScore, std::uint16_t stop, std::int16_t bias, bool matched)
    {
        places[count] = place;
        scores[count] = storedMatchScore(walkScore + bias);
        walkScores[count] = walkScore;
        stops[count] = stop;
        count += matched ? 1 : 0;
    }
};

void keepRun(const MatchedRun& run, SliceMarks& marks, BestOf<RankedEntry>& best)
{
    marks.marked.insert(marks.marked.end(), run.places, run.places + run.count);
    marks.scores.insert(marks.scores.end(), run.scores, run.scores + run.count);
    if (marks.resumable) {
        marks.walkScores.insert(marks.walkScores.end(), run.walkScores, run.walkScores + run.count);
        marks.stops.insert(marks.stops.end(), run.stops, run.stops + run.count);
    }
    for (std::size_t k = 0; k < run.count; ++k) {
        if (best.wouldTake(run.scores[k]))
            best.take(RankedEntry{run.places[k], run.scores[k]});
    }
}

template <typename Consider>
void forEachCandidate(const Pass& pass, const MatchSlice& slice, Consider&& consider)
{
    if (pass.typedOn()) {
        // The greedy walk of the longer query begins with the walk of the shorter one.
        for (std::uint32_t i : slice.levels[pass.level - 1].marked)
            consider(i);
    } else {
        for (std::uint32_t i = slice.begin; i < slice.end; ++i)
            consider(i);
    }
}

// The candidates whose signature holds the query's, handed on a run at a time. The test is
// gathered without a branch: which entries pass is as good as random, and a branch that
// guesses wrong for a third of a million entries costs more than the test itself.
template <typename ConsiderRun>
void forSignatureRuns(const Pass& pass, const MatchSlice& slice, ConsiderRun&& considerRun)
{
    const MatchIndex::Item* items = pass.index.items.data();
    const std::uint32_t queryMask = pass.queryMask;
    std::uint32_t passed[SignatureRun];
    std::size_t count = 0;
    forEachCandidate(pass, slice, [&](std::uint32_t i) {
        passed[count] = i;
        count += (items[i].mask & queryMask) == queryMask ? 1 : 0;
        if (count == SignatureRun) {
            considerRun(passed, count);
            count = 0;
        }
    });
    considerRun(passed, count);
}

// The walk of one indexed name, planned, or (a query without a plan) a character at a time.
// `stop` is where the last hit is, NoStop where it is not known.
bool walkIndexedName(const Pass& pass, const char* name, std::int32_t& score, std::uint16_t& stop)
{
    stop = NoStop;
    if (!pass.wordWise)
        return walkName(name, pass.query, score);
    std::size_t at = 0;
    const bool matched = walkPlanned<false>(name, pass.plan, score, at);
    if (at < NoStop)
        stop = static_cast<std::uint16_t>(at);
    return matched;
}

// The walk of a name that matched the shorter query, from that walk's last hit on.
bool resumeIndexedName(const Pass& pass, const char* name, std::int32_t& score, std::uint16_t& stop)
{
#ifdef TANDOR_WIDE_WALK
    if (pass.wordWise && stop != NoStop) {
        std::int32_t resumed = score;
        unsigned at = stop;
        const wide::Walked walked = wide::resume<false>(name, pass.plan.wide, pass.resumeFrom, resumed, at);
        if (walked != wide::Walked::TooLong) {
            score = resumed;
            stop = at < NoStop ? static_cast<std::uint16_t>(at) : NoStop;
            return walked == wide::Walked::Matched;
        }
    }
#endif
    return walkIndexedName(pass, name, score, stop);
}

// A one-letter query from the summaries alone, a run at a time and without a branch on
// whether the letter is there (it is in about half the names, in no order).
void markOneLetter(const MatchIndex& index, int letterNumber, const MatchSlice& slice, SliceMarks& marks,
                   BestOf<RankedEntry>& best)
{
    // A summary is read as two 32-bit halves (a 32-bit program shifts 64 bits in several steps):
    // the letter's two bits lie in one of them, the name's first letter in the high one.
    const bool inHighHalf = 2 * letterNumber >= 32;
    const unsigned shift = static_cast<unsigned>(2 * letterNumber) % 32;
    const std::uint32_t nameStart = static_cast<std::uint32_t>(letterNumber + 1);
    // By kind, and for a name that begins with the letter.
    const std::int32_t scoreOf[8] = {FirstHitScores[0], FirstHitScores[1], FirstHitScores[2], FirstHitScores[3],
                                     NameStartScore, NameStartScore, NameStartScore, NameStartScore};
    const std::uint64_t* firstHits = index.firstHits.data();
    const std::int16_t* bias = index.bias.data();
    MatchedRun run;
    for (std::uint32_t runStart = slice.begin; runStart < slice.end; runStart += SignatureRun) {
        const std::uint32_t runEnd = std::min<std::uint32_t>(slice.end, runStart + SignatureRun);
        run.count = 0;
        for (std::uint32_t i = runStart; i < runEnd; ++i) {
            const std::uint64_t summary = firstHits[i];
            const auto low = static_cast<std::uint32_t>(summary);
            const auto high = static_cast<std::uint32_t>(summary >> 32);
            const std::uint32_t kind = ((inHighHalf ? high : low) >> shift) & 3;
            const std::uint32_t atNameStart = (high >> (NameStartShift - 32)) == nameStart ? 4 : 0;
            // A one-letter score is small and the terms are bounded: nothing to narrow.
            run.places[run.count] = i;
            run.scores[run.count] = scoreOf[kind | atNameStart] + bias[i];
            run.count += kind != FirstHitAbsent ? 1 : 0;
        }
        keepRun(run, marks, best);
    }
}

// Walks the names of the candidates whose signature holds the query's.
void walkCandidates(const Pass& pass, const MatchSlice& slice, SliceMarks& marks, BestOf<RankedEntry>& best)
{
    const MatchIndex::Item* items = pass.index.items.data();
    const char* names = pass.index.names.data();
    const std::int16_t* bias = pass.index.bias.data();
    MatchedRun run;
    forSignatureRuns(pass, slice, [&](const std::uint32_t* candidates, std::size_t count) {
        run.count = 0;
        for (std::size_t k = 0; k < count; ++k) {
            const std::uint32_t i = candidates[k];
            std::int32_t score = 0;
            std::uint16_t stop = NoStop;
            const bool matched = walkIndexedName(pass, names + items[i].nameOffset, score, stop);
            run.add(i, score, stop, bias[i], matched);
        }
        keepRun(run, marks, best);
    });
}

// Goes on with the walks of the pass typed on from, for the letters added since.
void resumeWalks(const Pass& pass, const SliceMarks& before, SliceMarks& marks, BestOf<RankedEntry>& best)
{
    const MatchIndex::Item* items = pass.index.items.data();
    const char* names = pass.index.names.data();
    const std::int16_t* bias = pass.index.bias.data();
    MatchedRun run;
    for (std::size_t runStart = 0; runStart < before.marked.size(); runStart += SignatureRun) {
        const std::size_t runEnd = std::min(before.marked.size(), runStart + SignatureRun);
        run.count = 0;
        for (std::size_t k = runStart; k < runEnd; ++k) {
            const std::uint32_t i = before.marked[k];
            std::int32_t score = before.walkScores[k];
            std::uint16_t stop = before.stops[k];
            const bool matched = resumeIndexedName(pass, names + items[i].nameOffset, score, stop);
            run.add(i, score, stop, bias[i], matched);
        }
        keepRun(run, marks, best);
    }
}

// Walks the names in the entries themselves, for an index whose names outgrew its offsets.
void walkEntries(const Pass& pass, const MatchSlice& slice, SliceMarks& marks, BestOf<RankedEntry>& best)
{
    const std::int16_t* bias = pass.index.bias.data();
    forEachCandidate(pass, slice, [&](std::uint32_t i) {
        std::int32_t score = 0;
        const CatalogueEntry& entry = pass.entries[i];
        if ((entry.charMask & pass.queryMask) == pass.queryMask && walkName(entry.name.c_str(), pass.query, score)) {
            marks.marked.push_back(i);
            marks.scores.push_back(storedMatchScore(score + bias[i]));
            if (best.wouldTake(marks.scores.back()))
                best.take(RankedEntry{i, marks.scores.back()});
        }
    });
}

void clearMarks(SliceMarks& marks)
{
    marks.marked.clear();
    marks.scores.clear();
    marks.taken.clear();
    marks.walkScores.clear();
    marks.stops.clear();
    marks.resumable = false;
}

void matchSlice(const Pass& pass, MatchSlice& slice)
{
    if (slice.levels.size() <= pass.level)
        slice.levels.resize(pass.level + 1);
    SliceMarks& marks = slice.levels[pass.level];
    clearMarks(marks);
    BestOf<RankedEntry> best(marks.best, pass.index.passCapacity);
    const MatchIndex& index = pass.index;
    const char letter = pass.query[0];
    const bool oneLetter = !pass.typedOn() && isUpperAscii(letter) && pass.query[1] == 0;
    // Only the walks of indexed names leave what a query typed on can resume.
    marks.resumable = index.usable && !oneLetter && pass.wordWise;
    if (!index.usable)
        walkEntries(pass, slice, marks, best);
    else if (oneLetter)
        markOneLetter(index, letter - 'A', slice, marks, best);
    else if (pass.typedOn() && slice.levels[pass.level - 1].resumable)
        resumeWalks(pass, slice.levels[pass.level - 1], marks, best);
    else
        walkCandidates(pass, slice, marks, best);
}

MatchSlice& sliceOf(MatchIndex& index, std::uint32_t place)
{
    auto after = std::upper_bound(index.slices.begin(), index.slices.end(), place,
        [](std::uint32_t value, const MatchSlice& slice) { return value < slice.begin; });
    return *(after - 1);
}

SliceMarks& currentMarks(MatchIndex& index, MatchSlice& slice)
{
    return slice.levels[index.passes.size() - 1];
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

// The number of kept passes whose queries begin `query`.
std::size_t passesBeginning(const std::vector<KeptPass>& passes, const std::string& query)
{
    std::size_t count = 0;
    while (count < passes.size() && query.compare(0, passes[count].query.size(), passes[count].query) == 0)
        ++count;
    return count;
}

// Makes the marks of the last kept pass current again, with what selections took given back.
void returnToLastPass(MatchIndex& index)
{
    for (MatchSlice& slice : index.slices) {
        SliceMarks& marks = currentMarks(index, slice);
        for (const RankedEntry& taken : marks.taken)
            marks.scores[taken.place] = taken.score;
        marks.taken.clear();
    }
}

// Frees a level for one more pass; its storage goes to the new one.
void dropOldestPass(MatchIndex& index)
{
    index.passes.erase(index.passes.begin());
    for (MatchSlice& slice : index.slices)
        std::rotate(slice.levels.begin(), slice.levels.begin() + 1, slice.levels.begin() + MostKeptPasses);
}

void runPass(Catalogue& catalogue, const std::string& upperQuery)
{
    MatchIndex& index = catalogue.matchIndex;
    if (index.passes.size() == MostKeptPasses)
        dropOldestPass(index);
    Pass pass(index, catalogue.entries.data(), upperQuery.c_str());
    pass.level = index.passes.size();
    pass.resumeFrom = pass.typedOn() ? index.passes.back().query.size() : 0;
    pass.wordWise = planWalk(pass.query, pass.plan);
    forEachSlice(index, [&](MatchSlice& slice) { matchSlice(pass, slice); });
    index.passes.push_back(KeptPass{upperQuery, index.passCapacity});
}

} // namespace

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
        runPass(catalogue, query);
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
    slots.reserve(index.merged.size());
    for (const RankedEntry& ranked : index.merged) {
        markTaken(index, ranked.place);
        slots.push_back(ResultSlot{&catalogue.entries[ranked.place], ranked.score, 0});
    }
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
