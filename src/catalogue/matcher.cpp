#include "catalogue/matcher.h"

#include "catalogue/match_rules.h"
#include "shell/ascii.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

std::vector<int> directoryWeights(const std::vector<ScanDirectory>& directories)
{
    std::vector<int> weights;
    weights.reserve(directories.size());
    for (const ScanDirectory& directory : directories)
        weights.push_back(priorityWeight(directory.priority));
    return weights;
}

int directoryWeight(const std::vector<int>& weights, std::int32_t directoryIndex)
{
    if (directoryIndex < 0 || static_cast<std::size_t>(directoryIndex) >= weights.size())
        return 0;
    return weights[static_cast<std::size_t>(directoryIndex)];
}

bool indexIsCurrent(const Catalogue& catalogue)
{
    const MatchIndex& index = catalogue.matchIndex;
    return index.built && index.entriesData == catalogue.entries.data() &&
           index.entryCount == catalogue.entries.size() && index.revision == catalogue.revision;
}

// A one-letter query's score depends only on where that letter first stands in the name.
// firstHits keeps, for each letter A to Z, two bits: 0 absent, else the kind of its first
// place (FirstHitPlain, FirstHitCamel, FirstHitWordStart); above them, the name's first
// character as letter number + 1 (0 when it is no letter), which scores the name start.
enum FirstHitKind : std::uint64_t { FirstHitAbsent = 0, FirstHitPlain = 1, FirstHitCamel = 2, FirstHitWordStart = 3 };
constexpr int LetterCount = 26;
constexpr int NameStartShift = 2 * LetterCount;
constexpr std::int32_t FirstHitScores[4] = {0, HitScore, HitScore + CamelCaseBonus, HitScore + WordStartBonus};
constexpr std::int32_t NameStartScore = NameStartBonus + HitScore + WordStartBonus;

std::uint64_t summariseFirstHits(const char* name)
{
    std::uint64_t summary = 0;
    if (isAsciiLetter(name[0]))
        summary |= static_cast<std::uint64_t>(toUpperAscii(name[0]) - 'A' + 1) << NameStartShift;
    for (const char* p = name; *p != 0; ++p) {
        if (!isAsciiLetter(*p))
            continue;
        const int shift = 2 * (toUpperAscii(*p) - 'A');
        if (((summary >> shift) & 3) != FirstHitAbsent)
            continue;
        const int bonus = hitBonus(name, p);
        const std::uint64_t kind = bonus == WordStartBonus ? FirstHitWordStart
                                 : bonus == CamelCaseBonus ? FirstHitCamel : FirstHitPlain;
        summary |= kind << shift;
    }
    return summary;
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
    index.names.clear();
    index.items.clear();
    index.firstHits.clear();
    index.usable = nameBytes <= std::numeric_limits<std::uint32_t>::max();
    if (!index.usable)
        return;
    index.items.resize(count);
    index.firstHits.resize(count);
    index.names.reserve(nameBytes + MatchIndexPadding);
    for (std::size_t i = 0; i < count; ++i) {
        const CatalogueEntry& entry = catalogue.entries[i];
        index.items[i].mask = entry.charMask;
        index.items[i].nameOffset = static_cast<std::uint32_t>(index.names.size());
        index.names.append(entry.name.c_str(), entry.name.size() + 1);
        index.firstHits[i] = summariseFirstHits(entry.name.c_str());
    }
    index.names.append(MatchIndexPadding, '\0');
}

void clearAllMarks(Catalogue& catalogue)
{
    for (CatalogueEntry& entry : catalogue.entries)
        entry.flags = static_cast<std::uint8_t>(entry.flags & ~Matched);
}

// Greedy walk of the name: each query character takes the first equal name character from
// the current position on; there is no backtracking. Returns false when the name runs out
// first. The score leaves out the launch and directory terms, which join at the first hit
// and so only shift it.
inline bool walkName(const char* name, char firstByte, const char* query, std::int32_t& score)
{
    const char wanted = *query;
    const char* p = name;
    if (firstByte == 0)
        return false;
    if (toUpperAscii(firstByte) != wanted) {
        do {
            ++p;
            if (*p == 0)
                return false;
        } while (toUpperAscii(*p) != wanted);
    }
    // Whatever was subtracted before the first hit is discarded.
    std::int32_t s = (p == name ? NameStartBonus : 0) + HitScore + hitBonus(name, p);
    for (const char* q = query + 1; *q != 0; ++q) {
        const char c = *q;
        do {
            s -= StepCost;
            ++p;
            if (*p == 0)
                return false;
        } while (toUpperAscii(*p) != c);
        s += HitScore + hitBonus(name, p);
    }
    score = s;
    return true;
}

// The packed names are followed by MatchIndexPadding NULs, so that the walk below may read
// eight bytes at a time past any name's end. It finds each next hit eight bytes at a time:
// a byte is a hit when, with 0x20 added for a letter, it equals the query character's lower
// case (so 'e' and 'E' both hit 'E', and nothing else does), and a NUL ends the name.
constexpr std::uint64_t EveryByte = 0x0101010101010101ULL;
constexpr std::uint64_t HighBits = 0x8080808080808080ULL;
constexpr std::uint64_t LetterFold = 0x2020202020202020ULL;

// The high bit of every zero byte; above the first zero byte there may be false ones, but
// only the lowest one is ever used.
inline std::uint64_t zeroBytes(std::uint64_t word)
{
    return (word - EveryByte) & ~word & HighBits;
}

struct PackedQueryCharacter {
    std::uint64_t target; // the byte to find, in every byte
    std::uint64_t fold;   // LetterFold for letters, 0 otherwise
};

// False when the query has a character that no upper-cased name character can equal.
bool planQuery(const char* query, std::vector<PackedQueryCharacter>& plan)
{
    plan.clear();
    for (const char* q = query; *q != 0; ++q) {
        const char c = *q;
        if (isAsciiLower(c))
            return false;
        const bool letter = isAsciiUpper(c);
        const auto byte = static_cast<unsigned char>(letter ? c + ('a' - 'A') : c);
        plan.push_back(PackedQueryCharacter{EveryByte * byte, letter ? LetterFold : 0});
    }
    return true;
}

inline bool littleEndian()
{
    const std::uint16_t one = 1;
    unsigned char first = 0;
    std::memcpy(&first, &one, 1);
    return first == 1;
}

inline const char* nextHitOrEnd(const char* p, const PackedQueryCharacter& wanted)
{
    for (;; p += 8) {
        std::uint64_t word;
        std::memcpy(&word, p, sizeof word);
        const std::uint64_t found = zeroBytes((word | wanted.fold) ^ wanted.target) | zeroBytes(word);
        if (found != 0) {
            const std::uint64_t lowest = found & (~found + 1);
            return p + (((lowest >> 7) * 0x0001020304050607ULL) >> 56); // byte number of that bit
        }
    }
}

// The same walk as walkName: the steps between two hits cost their distance.
inline bool walkPackedName(const char* name, const std::vector<PackedQueryCharacter>& plan, std::int32_t& score)
{
    const char* p = nextHitOrEnd(name, plan[0]);
    if (*p == 0)
        return false;
    std::int32_t s = (p == name ? NameStartBonus : 0) + HitScore + hitBonus(name, p);
    for (std::size_t k = 1; k < plan.size(); ++k) {
        const char* next = nextHitOrEnd(p + 1, plan[k]);
        if (*next == 0)
            return false;
        s -= StepCost * static_cast<std::int32_t>(next - p);
        s += HitScore + hitBonus(name, next);
        p = next;
    }
    score = s;
    return true;
}

void markOneLetter(MatchIndex& index, char letter)
{
    const int number = letter - 'A';
    const int shift = 2 * number;
    const std::uint64_t* firstHits = index.firstHits.data();
    const std::size_t count = index.firstHits.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint64_t summary = firstHits[i];
        const unsigned kind = static_cast<unsigned>((summary >> shift) & 3);
        if (kind == FirstHitAbsent)
            continue;
        const bool atNameStart = static_cast<int>(summary >> NameStartShift) == number + 1;
        index.marked.push_back(static_cast<std::uint32_t>(i));
        index.markedScores.push_back(atNameStart ? NameStartScore : FirstHitScores[kind]);
    }
}

// With `candidates`, only those entries are walked: when the query grew by typing, only the
// entries the shorter query matched can match (the greedy walk of the longer query begins
// with the walk of the shorter one).
void markFromIndex(MatchIndex& index, const char* query, const std::vector<std::uint32_t>* candidates)
{
    if (candidates == nullptr && isAsciiUpper(query[0]) && query[1] == 0 &&
        index.firstHits.size() == index.items.size()) {
        markOneLetter(index, query[0]);
        return;
    }
    const std::uint32_t queryMask = computeCharMask(query);
    const MatchIndex::Item* items = index.items.data();
    const char* names = index.names.data();
    const std::size_t count = index.items.size();
    std::vector<PackedQueryCharacter> plan;
    if (!planQuery(query, plan))
        return;
    const bool wordWise = littleEndian() && index.names.size() >= MatchIndexPadding &&
        index.names.compare(index.names.size() - MatchIndexPadding, MatchIndexPadding,
                            std::string(MatchIndexPadding, '\0')) == 0;
    auto consider = [&](std::uint32_t i) {
        if ((items[i].mask & queryMask) != queryMask)
            return;
        const char* name = names + items[i].nameOffset;
        std::int32_t walkScore = 0;
        const bool matched = wordWise ? walkPackedName(name, plan, walkScore) : walkName(name, *name, query, walkScore);
        if (matched) {
            index.marked.push_back(i);
            index.markedScores.push_back(walkScore);
        }
    };
    if (candidates != nullptr) {
        for (std::uint32_t i : *candidates)
            consider(i);
    } else {
        for (std::size_t i = 0; i < count; ++i)
            consider(static_cast<std::uint32_t>(i));
    }
}

void markFromEntries(Catalogue& catalogue, const char* query)
{
    const std::uint32_t queryMask = computeCharMask(query);
    MatchIndex& index = catalogue.matchIndex;
    for (std::size_t i = 0; i < catalogue.entries.size(); ++i) {
        const CatalogueEntry& entry = catalogue.entries[i];
        std::int32_t walkScore = 0;
        if ((entry.charMask & queryMask) == queryMask &&
            walkName(entry.name.c_str(), entry.name.c_str()[0], query, walkScore)) {
            index.marked.push_back(static_cast<std::uint32_t>(i));
            index.markedScores.push_back(walkScore);
        }
    }
}

// Keeps the best `capacity` candidates sorted by score descending. Candidates arrive in
// catalogue order, so a later one only displaces a kept one with a strictly higher score and
// goes after every kept one of equal score: the same slots, in the same order, as picking the
// strictly best remaining entry `capacity` times.
class BestSlots {
public:
    explicit BestSlots(std::size_t capacity) : capacity_(capacity)
    {
        slots_.reserve(std::min<std::size_t>(capacity, 256));
    }
    bool wouldTake(std::int32_t score) const
    {
        return slots_.size() < capacity_ || score > slots_.back().score;
    }
    void take(CatalogueEntry& entry, std::int32_t score)
    {
        if (slots_.size() == capacity_)
            slots_.pop_back();
        auto position = std::upper_bound(slots_.begin(), slots_.end(), score,
            [](std::int32_t value, const ResultSlot& slot) { return value > slot.score; });
        ResultSlot slot;
        slot.entry = &entry;
        slot.score = score;
        slots_.insert(position, slot);
    }
    std::vector<ResultSlot> release()
    {
        for (ResultSlot& slot : slots_)
            slot.entry->flags = static_cast<std::uint8_t>(slot.entry->flags & ~Matched);
        return std::move(slots_);
    }

private:
    std::size_t capacity_;
    std::vector<ResultSlot> slots_;
};

} // namespace

void markMatchingNames(MatchIndex& index, const std::string& upperQuery)
{
    index.marked.clear();
    index.markedScores.clear();
    // A query that begins with a NUL byte is as empty as the typed text it stands for.
    if (!upperQuery.empty() && upperQuery[0] != '\0')
        markFromIndex(index, upperQuery.c_str(), nullptr);
}

std::size_t matchCatalogue(Catalogue& catalogue, const std::string& upperQuery,
                           const std::vector<ScanDirectory>& directories)
{
    MatchIndex& index = catalogue.matchIndex;
    if (!indexIsCurrent(catalogue)) {
        // Which entries the last pass marked is unknown now: clear them all once.
        clearAllMarks(catalogue);
        rebuildIndex(catalogue);
        index.marked.clear();
        index.lastQuery.clear();
    }
    index.previouslyMarked.swap(index.marked);
    index.marked.clear();
    index.markedScores.clear();
    const bool typedOn = !index.lastQuery.empty() && upperQuery.size() > index.lastQuery.size() &&
                         upperQuery.compare(0, index.lastQuery.size(), index.lastQuery) == 0;
    const char* query = upperQuery.c_str();
    if (*query != 0) { // an empty query matches nothing
        if (index.usable)
            markFromIndex(index, query, typedOn ? &index.previouslyMarked : nullptr);
        else
            markFromEntries(catalogue, query);
    }
    index.lastQuery = upperQuery;

    // Entries are touched only now, in one walk over the old and the new marks together
    // (both in catalogue order): an entry marked again is written once, and these loads and
    // stores, independent of each other, overlap far better than inside the name walks.
    const std::vector<int> weights = directoryWeights(directories);
    CatalogueEntry* const entries = catalogue.entries.data();
    const std::vector<std::uint32_t>& previous = index.previouslyMarked;
    std::size_t old = 0;
    auto unmark = [&](std::uint32_t i) {
        entries[i].flags = static_cast<std::uint8_t>(entries[i].flags & ~Matched);
    };
    for (std::size_t k = 0; k < index.marked.size(); ++k) {
        const std::uint32_t i = index.marked[k];
        for (; old < previous.size() && previous[old] < i; ++old)
            unmark(previous[old]);
        if (old < previous.size() && previous[old] == i)
            ++old;
        CatalogueEntry& entry = entries[i];
        const std::int32_t score = LaunchScoreFactor * entry.launchScore +
                                   directoryWeight(weights, entry.directoryIndex) + index.markedScores[k];
        entry.matchScore = storedMatchScore(score);
        entry.flags = static_cast<std::uint8_t>(entry.flags | Matched);
        index.markedScores[k] = entry.matchScore;
    }
    for (; old < previous.size(); ++old)
        unmark(previous[old]);
    return index.marked.size();
}

std::vector<ResultSlot> selectResults(Catalogue& catalogue, std::size_t capacity)
{
    BestSlots best(capacity);
    if (capacity == 0)
        return best.release();
    if (indexIsCurrent(catalogue)) {
        // Only the last pass marks entries, so its list holds every candidate; an entry
        // a previous selection took has lost its mark and is passed over.
        const MatchIndex& index = catalogue.matchIndex;
        for (std::size_t k = 0; k < index.marked.size(); ++k) {
            const std::int32_t score = index.markedScores[k];
            if (!best.wouldTake(score))
                continue;
            CatalogueEntry& entry = catalogue.entries[index.marked[k]];
            if ((entry.flags & Matched) != 0)
                best.take(entry, entry.matchScore);
        }
        return best.release();
    }
    for (CatalogueEntry& entry : catalogue.entries) {
        if ((entry.flags & Matched) != 0 && best.wouldTake(entry.matchScore))
            best.take(entry, entry.matchScore);
    }
    return best.release();
}
