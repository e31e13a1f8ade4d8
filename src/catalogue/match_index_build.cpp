#include "catalogue/match_index_build.h"

#include "catalogue/first_hits.h"
#include "catalogue/match_rules.h"
#include "catalogue/match_slices.h"
#include "catalogue/search_keys.h"

#include <algorithm>
#include <limits>

namespace {

int directoryWeight(const std::vector<ScanDirectory>& directories, std::int32_t directoryIndex)
{
    if (directoryIndex < 0 || static_cast<std::size_t>(directoryIndex) >= directories.size())
        return 0;
    return priorityWeight(directories[static_cast<std::size_t>(directoryIndex)].priority);
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

// The search keys of a name that is not plain ASCII, packed as the index holds them after the
// name's NUL: each key its kind, its text and a NUL, and a NUL after the last.
struct KeyedName {
    std::uint32_t place;
    std::string keys;
    std::uint32_t mask; // of every key's characters
};

std::string packedKeys(const std::vector<SearchKey>& keys, std::uint32_t& mask)
{
    std::string packed;
    mask = 0;
    for (const SearchKey& key : keys) {
        packed += static_cast<char>(key.kind);
        packed += key.text;
        packed += '\0';
        mask |= computeCharMask(key.text.c_str());
    }
    packed += '\0';
    return packed;
}

std::size_t sliceNumber(const MatchIndex& index, const MatchSlice& slice)
{
    return static_cast<std::size_t>(&slice - index.slices.data());
}

void findKeys(const CatalogueEntry* entries, const MatchSlice& slice, std::vector<KeyedName>& found)
{
    for (std::uint32_t i = slice.begin; i < slice.end; ++i) {
        const std::vector<SearchKey> keys = searchKeysOf(entries[i].name);
        if (keys.empty())
            continue;
        KeyedName keyed{i, std::string(), 0};
        keyed.keys = packedKeys(keys, keyed.mask);
        found.push_back(std::move(keyed));
    }
}

// Each name's place in the index, its keys after it; the keys' letters join the signature, so
// that a query the keys hold is not turned away before they are walked.
void placeNames(Catalogue& catalogue, const std::vector<std::vector<KeyedName>>& keyedNames)
{
    MatchIndex& index = catalogue.matchIndex;
    std::uint32_t offset = 0;
    std::uint32_t i = 0;
    auto placeUpTo = [&](std::uint32_t end) {
        for (; i < end; ++i) {
            index.items[i].nameOffset = offset;
            index.items[i].mask = 0;
            offset += static_cast<std::uint32_t>(catalogue.entries[i].name.size() + 1);
        }
    };
    for (const std::vector<KeyedName>& inSlice : keyedNames) {
        for (const KeyedName& keyed : inSlice) {
            placeUpTo(keyed.place + 1);
            offset += static_cast<std::uint32_t>(keyed.keys.size());
            index.items[keyed.place].mask = keyed.mask;
            index.keyed[keyed.place / 32] |= 1u << (keyed.place % 32);
        }
    }
    placeUpTo(static_cast<std::uint32_t>(catalogue.entries.size()));
}

} // namespace

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
    index.entriesData = catalogue.entries.data();
    index.entryCount = count;
    index.revision = catalogue.revision;
    index.built = true;
    index.biasMade = false;
    index.passes.clear();
    index.matchedCount = 0;
    index.bestFromPass = false;
    index.items.clear();
    index.firstHits.clear();
    index.names.clear();
    index.keyed.assign((count + 31) / 32, 0);
    index.items.resize(count);
    index.bias.assign(count, 0);
    cutSlices(index, count);
    const CatalogueEntry* entries = catalogue.entries.data();
    std::vector<std::vector<KeyedName>> keyedNames(index.slices.size());
    forEachSlice(index, [&](MatchSlice& slice) { findKeys(entries, slice, keyedNames[sliceNumber(index, slice)]); });
    std::size_t nameBytes = 0;
    for (const CatalogueEntry& entry : catalogue.entries)
        nameBytes += entry.name.size() + 1;
    for (const std::vector<KeyedName>& inSlice : keyedNames) {
        for (const KeyedName& keyed : inSlice)
            nameBytes += keyed.keys.size();
    }
    index.usable = nameBytes <= std::numeric_limits<std::uint32_t>::max() &&
                   count <= std::numeric_limits<std::uint32_t>::max();
    if (!index.usable) {
        index.keyed.clear();
        return;
    }
    index.firstHits.resize(count);
    index.names.resize(nameBytes + MatchIndexPadding, '\0');
    placeNames(catalogue, keyedNames);
    // Copying the names and summarising them is the long part: each slice does its own.
    forEachSlice(index, [&](MatchSlice& slice) {
        for (std::uint32_t i = slice.begin; i < slice.end; ++i) {
            const std::string& name = entries[i].name;
            index.items[i].mask |= entries[i].charMask;
            std::copy(name.begin(), name.end(), &index.names[index.items[i].nameOffset]);
            index.firstHits[i] = summariseFirstHits(name.c_str());
        }
        for (const KeyedName& keyed : keyedNames[sliceNumber(index, slice)]) {
            const std::size_t at = index.items[keyed.place].nameOffset + entries[keyed.place].name.size() + 1;
            std::copy(keyed.keys.begin(), keyed.keys.end(), &index.names[at]);
        }
    });
}

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
