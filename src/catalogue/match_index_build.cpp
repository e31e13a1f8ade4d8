#include "catalogue/match_index_build.h"

#include "catalogue/first_hits.h"
#include "catalogue/key_walk.h"
#include "catalogue/match_rules.h"
#include "catalogue/match_slices.h"
#include "catalogue/search_keys.h"

#include <algorithm>
#include <cstring>
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

// The search keys of a name that is not plain ASCII, packed; the index holds them instead of the
// name.
struct KeyedName {
    std::uint32_t place;
    std::string keys;
    KeySignature signature; // of every key
};

void findKeys(const CatalogueEntry* entries, const MatchSlice& slice, std::vector<KeyedName>& found)
{
    for (std::uint32_t i = slice.begin; i < slice.end; ++i) {
        const std::vector<SearchKey> keys = searchKeysOf(entries[i].name);
        if (keys.empty())
            continue;
        KeyedName keyed{i, std::string(), KeySignature()};
        keyed.keys = packSearchKeys(keys, keyed.signature);
        found.push_back(std::move(keyed));
    }
}

// Each name's place in the index, or its keys' for a name that has them; their signature is
// the ASCII half of the keys', so that a query whose ASCII characters the keys hold is not
// turned away before they are walked. The keys go after every name: a walk over the names reads
// them packed as tightly as if there were no keys, and only keyed candidates touch the keys.
void placeNames(Catalogue& catalogue, const std::vector<std::vector<KeyedName>>& keyedNames)
{
    MatchIndex& index = catalogue.matchIndex;
    for (const std::vector<KeyedName>& inSlice : keyedNames) {
        for (const KeyedName& keyed : inSlice) {
            index.keyed[keyed.place / 32] |= 1u << (keyed.place % 32);
            index.keyedPlaces.push_back(keyed.place);
            index.keyedOthers.push_back(keyed.signature.others);
        }
    }
    std::uint32_t offset = EmptyIndexedName + 1;
    for (std::uint32_t i = 0; i < catalogue.entries.size(); ++i) {
        if (index.isKeyed(i))
            continue;
        index.items[i].nameOffset = offset;
        index.items[i].mask = catalogue.entries[i].charMask;
        offset += static_cast<std::uint32_t>(catalogue.entries[i].name.size() + 1);
    }
    for (const std::vector<KeyedName>& inSlice : keyedNames) {
        for (const KeyedName& keyed : inSlice) {
            index.items[keyed.place].nameOffset = offset;
            index.items[keyed.place].mask = keyed.signature.letters;
            offset += static_cast<std::uint32_t>(keyed.keys.size());
        }
    }
}

// What each one-letter query scores on the keys: a one-letter pass reads it instead of walking.
void scoreEveryLetter(const char* keys, std::int8_t* scores)
{
    for (std::size_t letter = 0; letter < KeyedLetters; ++letter) {
        const char query[2] = {static_cast<char>('A' + letter), 0};
        std::int32_t score = 0;
        const bool matched = walkKeys(keys, query, keySignature(query), nullptr, score);
        scores[letter] = matched ? static_cast<std::int8_t>(score) : NoFirstScore;
    }
}

std::size_t sliceNumber(const MatchIndex& index, const MatchSlice& slice)
{
    return static_cast<std::size_t>(&slice - index.slices.data());
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
    index.keyedPlaces.clear();
    index.keyedOthers.clear();
    index.keyedFirstScores.clear();
    index.items.resize(count);
    index.bias.assign(count, 0);
    cutSlices(index, count);
    const CatalogueEntry* entries = catalogue.entries.data();
    std::vector<std::vector<KeyedName>> keyedNames(index.slices.size());
    forEachSlice(index, [&](MatchSlice& slice) { findKeys(entries, slice, keyedNames[sliceNumber(index, slice)]); });
    std::size_t nameBytes = EmptyIndexedName + 1;
    for (const CatalogueEntry& entry : catalogue.entries)
        nameBytes += entry.name.size() + 1;
    std::size_t keyedNameBytes = 0;
    for (const std::vector<KeyedName>& inSlice : keyedNames) {
        for (const KeyedName& keyed : inSlice) {
            keyedNameBytes += entries[keyed.place].name.size() + 1;
            nameBytes += keyed.keys.size();
        }
    }
    nameBytes -= keyedNameBytes; // a name with keys is not copied
    index.usable = nameBytes <= std::numeric_limits<std::uint32_t>::max() &&
                   count <= std::numeric_limits<std::uint32_t>::max();
    if (!index.usable) {
        index.keyed.clear();
        index.keyedPlaces.clear();
        index.keyedOthers.clear();
        return;
    }
    index.firstHits.resize(count);
    index.names.resize(nameBytes + MatchIndexPadding, '\0');
    placeNames(catalogue, keyedNames);
    index.keyedFirstScores.resize(index.keyedPlaces.size() * KeyedLetters);
    // Copying the names and summarising them is the long part: each slice does its own.
    forEachSlice(index, [&](MatchSlice& slice) {
        for (std::uint32_t i = slice.begin; i < slice.end; ++i) {
            const std::string& name = entries[i].name;
            if (!index.isKeyed(i))
                std::copy(name.begin(), name.end(), &index.names[index.items[i].nameOffset]);
            index.firstHits[i] = summariseFirstHits(name.c_str());
        }
        std::size_t rank = static_cast<std::size_t>(
            std::lower_bound(index.keyedPlaces.begin(), index.keyedPlaces.end(), slice.begin) - index.keyedPlaces.begin());
        for (const KeyedName& keyed : keyedNames[sliceNumber(index, slice)]) {
            char* at = &index.names[index.items[keyed.place].nameOffset];
            std::copy(keyed.keys.begin(), keyed.keys.end(), at);
            scoreEveryLetter(at, &index.keyedFirstScores[rank++ * KeyedLetters]);
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
