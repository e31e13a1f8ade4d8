#include "catalogue/matcher.h"

#include "catalogue/match_rules.h"
#include "shell/ascii.h"

#include <algorithm>
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
    index.usable = nameBytes <= std::numeric_limits<std::uint32_t>::max();
    if (!index.usable)
        return;
    index.items.resize(count);
    index.names.reserve(nameBytes);
    for (std::size_t i = 0; i < count; ++i) {
        const CatalogueEntry& entry = catalogue.entries[i];
        index.items[i].mask = entry.charMask;
        index.items[i].nameOffset = static_cast<std::uint32_t>(index.names.size());
        index.names.append(entry.name.c_str(), entry.name.size() + 1);
    }
}

void clearMarks(Catalogue& catalogue, bool marksKnown)
{
    MatchIndex& index = catalogue.matchIndex;
    if (marksKnown) {
        for (std::uint32_t i : index.marked)
            catalogue.entries[i].flags = static_cast<std::uint8_t>(catalogue.entries[i].flags & ~Matched);
    } else {
        for (CatalogueEntry& entry : catalogue.entries)
            entry.flags = static_cast<std::uint8_t>(entry.flags & ~Matched);
    }
    index.marked.clear();
    index.markedScores.clear();
}

// Greedy walk of the name: each query character takes the first equal name character from
// the current position on; there is no backtracking. Returns false when the name runs out
// first. The score leaves out the launch and directory terms, which join at the first hit
// and so only shift it.
bool walkName(const char* name, char firstByte, const char* query, std::int32_t& score)
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

// Names of candidates are read in batches: first one byte of each (independent loads whose
// cache misses overlap), then the walks, which find those bytes in the cache. Without this
// every candidate waits for its own miss.
constexpr std::size_t GatherBatch = 16;

void markFromIndex(MatchIndex& index, const char* query)
{
    const std::uint32_t queryMask = computeCharMask(query);
    const MatchIndex::Item* items = index.items.data();
    const char* names = index.names.data();
    std::uint32_t batch[GatherBatch];
    char firstBytes[GatherBatch];
    std::size_t filled = 0;
    auto walkBatch = [&]() {
        for (std::size_t j = 0; j < filled; ++j)
            firstBytes[j] = names[items[batch[j]].nameOffset];
        for (std::size_t j = 0; j < filled; ++j) {
            std::int32_t walkScore = 0;
            if (walkName(names + items[batch[j]].nameOffset, firstBytes[j], query, walkScore)) {
                index.marked.push_back(batch[j]);
                index.markedScores.push_back(walkScore);
            }
        }
        filled = 0;
    };
    const std::size_t count = index.items.size();
    for (std::size_t i = 0; i < count; ++i) {
        if ((items[i].mask & queryMask) != queryMask)
            continue;
        batch[filled++] = static_cast<std::uint32_t>(i);
        if (filled == GatherBatch)
            walkBatch();
    }
    walkBatch();
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
    if (!upperQuery.empty())
        markFromIndex(index, upperQuery.c_str());
}

std::size_t matchCatalogue(Catalogue& catalogue, const std::string& upperQuery,
                           const std::vector<ScanDirectory>& directories)
{
    const bool current = indexIsCurrent(catalogue);
    clearMarks(catalogue, current);
    if (!current)
        rebuildIndex(catalogue);
    const char* query = upperQuery.c_str();
    if (*query == 0)
        return 0; // an empty query matches nothing

    MatchIndex& index = catalogue.matchIndex;
    const std::vector<int> weights = directoryWeights(directories);
    if (index.usable)
        markFromIndex(index, query);
    else
        markFromEntries(catalogue, query);
    // Entries are touched only now, in a tight loop of independent loads and stores that the
    // processor overlaps far better than inside the branchy name walks.
    for (std::size_t k = 0; k < index.marked.size(); ++k) {
        CatalogueEntry& entry = catalogue.entries[index.marked[k]];
        const std::int32_t score = LaunchScoreFactor * entry.launchScore +
                                   directoryWeight(weights, entry.directoryIndex) + index.markedScores[k];
        entry.matchScore = storedMatchScore(score);
        entry.flags = static_cast<std::uint8_t>(entry.flags | Matched);
        index.markedScores[k] = entry.matchScore;
    }
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
