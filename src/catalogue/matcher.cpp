#include "catalogue/matcher.h"

#include "catalogue/match_rules.h"
#include "shell/ascii.h"

#include <algorithm>

namespace {

struct CompiledQuery {
    const char* text;
    std::uint32_t mask;
};

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

// Greedy walk of the name: each query character takes the first equal name character
// from the current position on. Returns false when the name runs out first.
bool walkName(const char* name, const char* query, std::int32_t firstHitBase, std::int32_t& score)
{
    const char wanted = *query;
    const char* p = name;
    while (*p != 0 && toUpperAscii(*p) != wanted)
        ++p;
    if (*p == 0)
        return false;
    // Whatever was subtracted before the first hit is discarded.
    std::int32_t s = firstHitBase + (p == name ? NameStartBonus : 0) + HitScore + hitBonus(name, p);
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

} // namespace

std::size_t matchCatalogue(Catalogue& catalogue, const std::string& upperQuery,
                           const std::vector<ScanDirectory>& directories)
{
    const std::vector<int> weights = directoryWeights(directories);
    const char* query = upperQuery.c_str();
    const std::uint32_t queryMask = computeCharMask(query);
    std::size_t matchedCount = 0;
    for (CatalogueEntry& entry : catalogue.entries) {
        // Only write flags that change: most entries stay untouched cache lines.
        if ((entry.flags & Matched) != 0)
            entry.flags = static_cast<std::uint8_t>(entry.flags & ~Matched);
        if (*query == 0 || (entry.charMask & queryMask) != queryMask)
            continue;
        const std::int32_t firstHitBase =
            LaunchScoreFactor * entry.launchScore + directoryWeight(weights, entry.directoryIndex);
        std::int32_t score = 0;
        if (!walkName(entry.name.c_str(), query, firstHitBase, score))
            continue;
        entry.flags = static_cast<std::uint8_t>(entry.flags | Matched);
        entry.matchScore = storedMatchScore(score);
        ++matchedCount;
    }
    return matchedCount;
}

std::vector<ResultSlot> selectResults(Catalogue& catalogue, std::size_t capacity)
{
    // One pass keeping the best `capacity` entries sorted by score descending. Entries come in
    // catalogue order, so a later entry only displaces a kept one with a strictly higher score,
    // and it goes after every kept entry of equal score: the same slots, in the same order, as
    // picking the strictly best remaining entry `capacity` times.
    std::vector<ResultSlot> slots;
    if (capacity == 0)
        return slots;
    slots.reserve(std::min<std::size_t>(capacity, 256));
    for (CatalogueEntry& entry : catalogue.entries) {
        if ((entry.flags & Matched) == 0)
            continue;
        const std::int32_t score = entry.matchScore;
        if (slots.size() == capacity) {
            if (score <= slots.back().score)
                continue;
            slots.pop_back();
        }
        auto position = std::upper_bound(slots.begin(), slots.end(), score,
            [](std::int32_t value, const ResultSlot& slot) { return value > slot.score; });
        ResultSlot slot;
        slot.entry = &entry;
        slot.score = score;
        slots.insert(position, slot);
    }
    for (ResultSlot& slot : slots)
        slot.entry->flags = static_cast<std::uint8_t>(slot.entry->flags & ~Matched);
    return slots;
}
