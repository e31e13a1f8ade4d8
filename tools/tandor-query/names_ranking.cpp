#include "names_ranking.h"

#include "base/utf8.h"
#include "catalogue/best_candidates.h"
#include "catalogue/key_walk.h"
#include "catalogue/match_index.h"
#include "catalogue/match_rules.h"
#include "catalogue/matcher.h"
#include "catalogue/name_walk.h"
#include "catalogue/planned_walk.h"
#include "catalogue/search_keys.h"
#include "matched_lines.h"

#include <algorithm>
#include <cstring>

namespace {

std::size_t nameLength(const char* line, const char* lineEnd)
{
    return static_cast<std::size_t>((lineEnd > line && lineEnd[-1] == '\r') ? lineEnd - 1 - line : lineEnd - line);
}

void addNameEntry(const char* text, std::size_t length, const ScoreStore& scores, Catalogue& catalogue)
{
    catalogue.entries.emplace_back();
    CatalogueEntry& entry = catalogue.entries.back();
    entry.name.assign(text, length);
    entry.charMask = computeCharMask(entry.name.c_str());
    entry.path = entry.name;
    entry.directoryIndex = -1;
    if (!scores.records.empty())
        entry.launchScore = storedLaunchScore(scores, entry.path);
}

// A matched line: `place` is where it starts, which orders lines as the file does.
struct LineCandidate {
    const char* place;
    std::int32_t score;
    std::uint32_t length;
};

struct NamesPart {
    const char* begin;
    const char* end; // after a line feed, or the end of the text
    std::vector<LineCandidate> best;
    std::vector<LineCandidate> keyedBest; // of the lines matched on search keys
    std::string path; // scratch for looking up a launch score
    std::string keys; // scratch: a line's packed search keys
    KeyLetterMemory keyLetters;
};

struct LineRanking {
    LineRanking(std::size_t limit, const ScoreStore& scores, const char* upperQuery)
        : limit(limit), scores(scores), upperQuery(upperQuery), signature(keySignature(upperQuery))
    {
    }
    WalkPlan plan;
    std::size_t limit;
    const ScoreStore& scores;
    const char* upperQuery;
    KeySignature signature;
    // Some line goes beyond ASCII: a line with search keys is matched on them alone.
    bool keyedLines = false;
};

// A line the byte walk must leave to its search keys.
bool isKeyedLine(const LineRanking& ranking, const char* line, const char* lineEnd)
{
    return ranking.keyedLines && hasSearchKeys(std::string_view(line, nameLength(line, lineEnd)));
}

// A matched line, with the score of its walk, joins the best if it ranks among them.
void keepLine(const LineRanking& ranking, const char* line, const char* lineEnd, std::int32_t score, NamesPart& part,
              BestOf<LineCandidate>& best)
{
    const std::size_t length = nameLength(line, lineEnd);
    if (!ranking.scores.records.empty()) {
        part.path.assign(line, length);
        score += LaunchScoreFactor * storedLaunchScore(ranking.scores, part.path);
    }
    score = storedMatchScore(score);
    if (best.wouldTake(score))
        best.take(LineCandidate{line, score, static_cast<std::uint32_t>(length)});
}

// The line feed at or after `from`, or the part's end.
const char* lineFeedOrEnd(const char* from, const char* partEnd)
{
    const void* found = std::memchr(from, '\n', static_cast<std::size_t>(partEnd - from));
    return found != nullptr ? static_cast<const char*>(found) : partEnd;
}

#ifdef TANDOR_WIDE_WALK
// The matched lines are found a block at a time; only they are walked, for their scores.
void rankPart(const LineRanking& ranking, NamesPart& part)
{
    BestOf<LineCandidate> best(part.best, ranking.limit);
    lines::forEachMatchedLine(part.begin, part.end, ranking.plan.wide, [&](const char* line, const char* lineEnd) {
        if (isKeyedLine(ranking, line, lineEnd))
            return;
        std::int32_t score = 0;
        std::size_t stop = 0;
        walkPlanned<true>(line, ranking.plan, score, stop);
        keepLine(ranking, line, lineEnd, score, part, best);
    });
}
#else
// Every line walked a word at a time.
void rankPart(const LineRanking& ranking, NamesPart& part)
{
    BestOf<LineCandidate> best(part.best, ranking.limit);
    for (const char* line = part.begin; line < part.end;) {
        bool matched = false;
        std::int32_t score = 0;
        const char* lineEnd = lineFeedOrEnd(packed::walk<true>(line, ranking.plan.words, matched, score), part.end);
        if (matched && !isKeyedLine(ranking, line, lineEnd))
            keepLine(ranking, line, lineEnd, score, part, best);
        line = lineEnd + 1;
    }
}
#endif

// The first byte beyond ASCII at or after `from`, else `end`.
const char* nextHighByte(const char* from, const char* end)
{
    return from + firstBeyondAscii(std::string_view(from, static_cast<std::size_t>(end - from)));
}

const char* lineStartBefore(const char* at, const char* partBegin)
{
    while (at > partBegin && at[-1] != '\n')
        --at;
    return at;
}

// The lines with search keys, found by their bytes beyond ASCII (a tenth of the lines or fewer
// in most lists), each matched on its keys as the catalogue matches its name.
void rankKeyedLines(const LineRanking& ranking, NamesPart& part)
{
    BestOf<LineCandidate> best(part.keyedBest, ranking.limit);
    for (const char* at = nextHighByte(part.begin, part.end); at < part.end;) {
        const char* line = lineStartBefore(at, part.begin);
        const char* lineEnd = lineFeedOrEnd(at, part.end);
        const std::string_view name(line, nameLength(line, lineEnd));
        const std::uint32_t wanted = ranking.signature.letters;
        // Most lines' keys cannot hold the query's letters, and that is known without making them.
        std::uint32_t letters = 0;
        if (searchKeyLetters(name, part.keyLetters, letters) && (letters & wanted) == wanted) {
            KeySignature all;
            part.keys = packSearchKeys(searchKeysOf(name), all);
            part.keys.append(MatchIndexPadding, '\0'); // the walk reads that far past a key's start
            std::int32_t score = 0;
            if (walkKeys(part.keys.data(), ranking.upperQuery, ranking.signature, &ranking.plan, score))
                keepLine(ranking, line, lineEnd, score, part, best);
        }
        at = lineEnd < part.end ? nextHighByte(lineEnd + 1, part.end) : part.end;
    }
}

// Parts of about equal size, each ending after a line feed (the last at the end of the text).
std::vector<NamesPart> cutParts(const NamesText& text, std::size_t count)
{
    std::vector<NamesPart> parts;
    const char* begin = text.bytes();
    const char* const end = begin + text.size();
    for (std::size_t k = 1; k <= count && begin < end; ++k) {
        const char* cut = text.bytes() + text.size() * k / count;
        if (k < count && cut > begin) {
            const void* lineFeed = std::memchr(cut - 1, '\n', static_cast<std::size_t>(end - (cut - 1)));
            cut = lineFeed != nullptr ? static_cast<const char*>(lineFeed) + 1 : end;
        }
        if (k == count || cut > end)
            cut = end;
        if (cut <= begin)
            continue;
        parts.push_back(NamesPart{begin, cut, {}, {}, {}, {}, {}});
        begin = cut;
    }
    return parts;
}

// The ranking of the lines made into a catalogue: for queries the line walk cannot take (one
// that holds a line break, one longer than any typed one, or one beyond ASCII).
std::vector<RankedName> rankAsCatalogue(const NamesText& text, const std::string& upperQuery, std::size_t limit,
                                        const ScoreStore& scores)
{
    Catalogue catalogue;
    appendNames(std::string(text.bytes(), text.size()), scores, catalogue);
    matchCatalogue(catalogue, upperQuery, {});
    std::vector<RankedName> ranked;
    for (const ResultSlot& slot : selectResults(catalogue, limit))
        ranked.push_back(RankedName{slot.entry->name, slot.score});
    return ranked;
}

} // namespace

void appendNames(const std::string& bytes, const ScoreStore& scores, Catalogue& catalogue)
{
    const std::size_t lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
    catalogue.entries.reserve(catalogue.entries.size() + lines);
    const char* at = bytes.data();
    const char* end = at + bytes.size();
    while (at < end) {
        const void* found = std::memchr(at, '\n', static_cast<std::size_t>(end - at));
        const char* lineEnd = found != nullptr ? static_cast<const char*>(found) : end;
        const std::size_t length = nameLength(at, lineEnd);
        if (length > 0)
            addNameEntry(at, length, scores, catalogue);
        at = lineEnd + 1;
    }
    noteCatalogueChanged(catalogue);
}

std::vector<RankedName> rankNames(const NamesText& text, const std::string& upperQuery, std::size_t limit,
                                  const ScoreStore& scores, WorkerPool& pool, std::size_t smallestPart)
{
    std::vector<RankedName> ranked;
    if (upperQuery.empty() || upperQuery[0] == 0 || limit == 0)
        return ranked; // an empty query matches nothing
    LineRanking ranking(limit, scores, upperQuery.c_str());
    const bool breaksLines = upperQuery.find_first_of("\r\n") != std::string::npos;
    // A query beyond ASCII matches only search keys, and only an ASCII query may walk their
    // shadows: the catalogue takes it.
    if (!isAscii(upperQuery))
        return rankAsCatalogue(text, upperQuery, limit, scores);
    ranking.keyedLines = !isAscii(std::string_view(text.bytes(), text.size()));
    if (breaksLines || !planWalk(upperQuery.c_str(), ranking.plan)) {
        if (breaksLines || upperQuery.size() >= packed::MostQueryCharacters || !packed::littleEndian())
            return rankAsCatalogue(text, upperQuery, limit, scores);
        return ranked; // a lower-case character: no upper-cased name character equals it
    }
    const std::size_t wanted = std::min(pool.threadCount() * SlicesPerThread,
                                        text.size() / std::max<std::size_t>(1, smallestPart));
    std::vector<NamesPart> parts = cutParts(text, std::max<std::size_t>(1, wanted));
    auto rank = [&](std::size_t k) {
        rankPart(ranking, parts[k]);
        if (ranking.keyedLines)
            rankKeyedLines(ranking, parts[k]);
    };
    runEachPart(pool, parts.size(), rank);

    std::vector<const std::vector<LineCandidate>*> lists;
    for (const NamesPart& part : parts) {
        lists.push_back(&part.best);
        lists.push_back(&part.keyedBest);
    }
    std::vector<std::size_t> positions;
    std::vector<LineCandidate> merged;
    mergeBest(lists, limit, positions, merged);
    for (const LineCandidate& candidate : merged)
        ranked.push_back(RankedName{std::string(candidate.place, candidate.length), candidate.score});
    return ranked;
}
