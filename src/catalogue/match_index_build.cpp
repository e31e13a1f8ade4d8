#include "catalogue/match_index_build.h"

#include "catalogue/first_hits.h"
#include "catalogue/match_rules.h"
#include "catalogue/match_slices.h"

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
