#include "catalogue/match_pass.h"

#include "base/utf8.h"
#include "catalogue/best_candidates.h"
#include "catalogue/first_hits.h"
#include "catalogue/key_walk.h"
#include "catalogue/match_rules.h"
#include "catalogue/match_slices.h"
#include "catalogue/name_walk.h"
#include "catalogue/planned_walk.h"
#include "catalogue/prefetch.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint32_t NoKeyedPlace = 0xFFFFFFFF;
// Entries whose signature test is gathered before their names are walked.
constexpr std::size_t SignatureRun = 1024;

// What every slice of one pass shares.
struct Pass {
    Pass(const MatchIndex& index, const CatalogueEntry* entries, const char* query)
        : index(index), entries(entries), query(query), signature(keySignature(query)),
          bytewiseQuery(!hasMultiByteCharacter(query)), asciiQuery(isAscii(query))
    {
    }
    const MatchIndex& index;
    const CatalogueEntry* entries;
    const char* query;
    // Its ASCII half is what an entry's indexed signature must hold (of a keyed name, its keys'
    // ASCII half).
    KeySignature signature;
    // A query of single bytes walks the names byte by byte; one with a character of several bytes
    // can match only search keys.
    bool bytewiseQuery;
    // Only a query of ASCII alone may walk the keys' shadows: a stray byte could equal the first
    // byte of a character there.
    bool asciiQuery;
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

// Hands on each entry that may match, with whether the half of its keys' signature beyond ASCII
// holds the query's (always, where that is not known: the walk of the keys tells).
template <typename Consider>
void forEachCandidate(const Pass& pass, const MatchSlice& slice, Consider&& consider)
{
    if (pass.typedOn()) {
        // The greedy walk of the longer query begins with the walk of the shorter one.
        for (std::uint32_t i : slice.levels[pass.level - 1].marked)
            consider(i, true);
    } else if (!pass.bytewiseQuery) {
        // Only names with search keys can match: the others are not even looked at.
        const std::vector<std::uint32_t>& keyed = pass.index.keyedPlaces;
        const std::uint32_t* others = pass.index.keyedOthers.data();
        const std::uint32_t wanted = pass.signature.others;
        for (std::size_t k = static_cast<std::size_t>(std::lower_bound(keyed.begin(), keyed.end(), slice.begin) - keyed.begin());
             k < keyed.size() && keyed[k] < slice.end; ++k)
            consider(keyed[k], (others[k] & wanted) == wanted);
    } else {
        for (std::uint32_t i = slice.begin; i < slice.end; ++i)
            consider(i, true);
    }
}

// The candidates whose signature holds the query's, handed on a run at a time. The test is
// gathered without a branch: which entries pass is as good as random, and a branch that
// guesses wrong for a third of a million entries costs more than the test itself.
template <typename ConsiderRun>
void forSignatureRuns(const Pass& pass, const MatchSlice& slice, ConsiderRun&& considerRun)
{
    const MatchIndex::Item* items = pass.index.items.data();
    const std::uint32_t queryMask = pass.signature.letters;
    std::uint32_t passed[SignatureRun];
    std::size_t count = 0;
    forEachCandidate(pass, slice, [&](std::uint32_t i, bool othersHeld) {
        passed[count] = i;
        count += (items[i].mask & queryMask) == queryMask && othersHeld ? 1 : 0;
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

// The walk of the search keys of a name that has them: its name is not walked. It leaves no
// stop, so a query typed on walks the keys again.
bool walkEntryKeys(const Pass& pass, const char* keys, std::int32_t& score)
{
    return walkKeys(keys, pass.query, pass.signature, pass.wordWise && pass.asciiQuery ? &pass.plan : nullptr, score);
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
void markOneLetter(const Pass& pass, int letterNumber, const MatchSlice& slice, SliceMarks& marks,
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
    const MatchIndex& index = pass.index;
    const std::uint64_t* firstHits = index.firstHits.data();
    const auto letter = static_cast<std::size_t>(letterNumber);
    std::size_t keyedRank = static_cast<std::size_t>(
        std::lower_bound(index.keyedPlaces.begin(), index.keyedPlaces.end(), slice.begin) - index.keyedPlaces.begin());
    std::uint32_t nextKeyed = keyedRank < index.keyedPlaces.size() ? index.keyedPlaces[keyedRank] : NoKeyedPlace;
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
            if (i == nextKeyed) { // its keys' scores, made with the index
                const std::int8_t score = index.keyedFirstScores[keyedRank++ * KeyedLetters + letter];
                run.scores[run.count] = score + bias[i];
                run.count += score != NoFirstScore ? 1 : 0;
                nextKeyed = keyedRank < index.keyedPlaces.size() ? index.keyedPlaces[keyedRank] : NoKeyedPlace;
                continue;
            }
            run.scores[run.count] = scoreOf[kind | atNameStart] + bias[i];
            run.count += kind != FirstHitAbsent ? 1 : 0;
        }
        keepRun(run, marks, best);
    }
}

// The keys of an entry that has them, which the index holds instead of its name.
const char* keysOf(const Pass& pass, std::uint32_t place)
{
    return pass.index.names.data() + pass.index.items[place].nameOffset;
}

// What the name walk reads for an entry: a keyed one reads the empty name, and its keys are
// asked for, to be walked once its run is settled.
const char* walkedName(const Pass& pass, std::uint32_t place, bool keyed)
{
    const std::string& names = pass.index.names;
    const std::size_t offset = pass.index.items[place].nameOffset;
    prefetchLine(names.data() + offset);
    prefetchLine(names.data() + std::min(offset + CacheLineBytes, names.size() - 1));
    return names.data() + (keyed ? EmptyIndexedName : offset);
}

// Settles the entries of a run that have search keys: their empty names made the name walk pass
// them over, and their keys decide. `slots` are their places in the run, in order. Most keyed
// candidates match, so the run is closed up only from the first that did not, and without a
// branch on which entries stay.
void settleKeyed(const Pass& pass, MatchedRun& run, const std::uint16_t* slots, std::size_t keyedCount)
{
    const std::int16_t* bias = pass.index.bias.data();
    std::uint8_t keep[SignatureRun];
    std::memset(keep + slots[0], 1, run.count - slots[0]);
    std::size_t firstDropped = run.count;
    for (std::size_t k = 0; k < keyedCount; ++k) {
        const std::size_t slot = slots[k];
        const std::uint32_t i = run.places[slot];
        std::int32_t score = 0;
        const bool matched = walkEntryKeys(pass, keysOf(pass, i), score);
        run.scores[slot] = storedMatchScore(score + bias[i]);
        run.walkScores[slot] = score;
        run.stops[slot] = NoStop;
        keep[slot] = matched ? 1 : 0;
        firstDropped = matched ? firstDropped : std::min(firstDropped, slot);
    }
    std::size_t write = firstDropped;
    for (std::size_t read = firstDropped; read < run.count; ++read) {
        run.places[write] = run.places[read];
        run.scores[write] = run.scores[read];
        run.walkScores[write] = run.walkScores[read];
        run.stops[write] = run.stops[read];
        write += keep[read];
    }
    run.count = write;
}

// A query with characters of several bytes: only the candidates with search keys can match.
template <typename ForEachRun>
void walkKeysOnly(const Pass& pass, SliceMarks& marks, BestOf<RankedEntry>& best, ForEachRun&& forEachRun)
{
    const std::int16_t* bias = pass.index.bias.data();
    MatchedRun run;
    forEachRun([&](const std::uint32_t* candidates, std::size_t count) {
        run.count = 0;
        for (std::size_t k = 0; k < count; ++k) {
            const std::uint32_t i = candidates[k];
            std::int32_t score = 0;
            const bool matched = pass.index.isKeyed(i) && walkEntryKeys(pass, keysOf(pass, i), score);
            run.add(i, score, NoStop, bias[i], matched);
        }
        keepRun(run, marks, best);
    });
}

// Walks the names of the runs of candidates `forEachRun` hands on, `walkOne` deciding how each
// walk begins (afresh, or where an earlier one stopped), and keeps those that matched.
template <typename ForEachRun, typename WalkOne>
void walkRuns(const Pass& pass, SliceMarks& marks, BestOf<RankedEntry>& best, ForEachRun&& forEachRun,
              WalkOne&& walkOne)
{
    const std::int16_t* bias = pass.index.bias.data();
    MatchedRun run;
    std::uint16_t keyedSlots[SignatureRun];
    forEachRun([&](const std::uint32_t* candidates, std::size_t count) {
        run.count = 0;
        std::size_t keyedCount = 0;
        for (std::size_t k = 0; k < count; ++k) {
            const std::uint32_t i = candidates[k];
            const bool keyed = pass.index.isKeyed(i);
            std::int32_t score = 0;
            std::uint16_t stop = NoStop;
            const bool matched = walkOne(&candidates[k], walkedName(pass, i, keyed), score, stop);
            keyedSlots[keyedCount] = static_cast<std::uint16_t>(run.count);
            keyedCount += keyed ? 1 : 0;
            run.add(i, score, stop, bias[i], matched || keyed);
        }
        if (keyedCount > 0)
            settleKeyed(pass, run, keyedSlots, keyedCount);
        keepRun(run, marks, best);
    });
}

// Walks the names of the candidates whose signature holds the query's.
void walkCandidates(const Pass& pass, const MatchSlice& slice, SliceMarks& marks, BestOf<RankedEntry>& best)
{
    auto forEachRun = [&](auto&& considerRun) { forSignatureRuns(pass, slice, considerRun); };
    if (!pass.bytewiseQuery) {
        walkKeysOnly(pass, marks, best, forEachRun);
        return;
    }
    walkRuns(pass, marks, best, forEachRun,
             [&](const std::uint32_t*, const char* name, std::int32_t& score, std::uint16_t& stop) {
                 return walkIndexedName(pass, name, score, stop);
             });
}

// Goes on with the walks of the pass typed on from, for the letters added since.
void resumeWalks(const Pass& pass, const SliceMarks& before, SliceMarks& marks, BestOf<RankedEntry>& best)
{
    auto forEachRun = [&](auto&& considerRun) {
        for (std::size_t runStart = 0; runStart < before.marked.size(); runStart += SignatureRun)
            considerRun(&before.marked[runStart], std::min<std::size_t>(SignatureRun, before.marked.size() - runStart));
    };
    if (!pass.bytewiseQuery) {
        walkKeysOnly(pass, marks, best, forEachRun);
        return;
    }
    walkRuns(pass, marks, best, forEachRun,
             [&](const std::uint32_t* mark, const char* name, std::int32_t& score, std::uint16_t& stop) {
                 const std::size_t k = static_cast<std::size_t>(mark - before.marked.data());
                 score = before.walkScores[k];
                 stop = before.stops[k];
                 return resumeIndexedName(pass, name, score, stop);
             });
}

// Walks the names in the entries themselves, for an index whose names outgrew its offsets.
void walkEntries(const Pass& pass, const MatchSlice& slice, SliceMarks& marks, BestOf<RankedEntry>& best)
{
    const std::int16_t* bias = pass.index.bias.data();
    if (!pass.bytewiseQuery)
        return; // such an index has no search keys
    forEachCandidate(pass, slice, [&](std::uint32_t i, bool) {
        std::int32_t score = 0;
        const CatalogueEntry& entry = pass.entries[i];
        if ((entry.charMask & pass.signature.letters) == pass.signature.letters && walkName(entry.name.c_str(), pass.query, score)) {
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
        markOneLetter(pass, letter - 'A', slice, marks, best);
    else if (pass.typedOn() && slice.levels[pass.level - 1].resumable)
        resumeWalks(pass, slice.levels[pass.level - 1], marks, best);
    else
        walkCandidates(pass, slice, marks, best);
}

} // namespace

void runMatchPass(MatchIndex& index, const CatalogueEntry* entries, const std::string& upperQuery, std::size_t level,
                  std::size_t resumeFrom)
{
    Pass pass(index, entries, upperQuery.c_str());
    pass.level = level;
    pass.resumeFrom = resumeFrom;
    pass.wordWise = planWalk(pass.query, pass.plan);
    forEachSlice(index, [&](MatchSlice& slice) { matchSlice(pass, slice); });
}
