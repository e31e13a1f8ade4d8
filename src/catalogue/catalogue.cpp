#include "catalogue/catalogue.h"

std::uint32_t computeCharMask(const char* text)
{
    std::uint32_t mask = 0;
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c != 0; ++c)
        mask |= 1u << (*c & 31u);
    return mask;
}

void setName(CatalogueEntry& entry, const std::string& text)
{
    entry.name = text;
    entry.charMask = computeCharMask(entry.name.c_str());
}

void appendEntry(Catalogue& catalogue, const CatalogueEntry& entry)
{
    catalogue.entries.push_back(entry);
    noteCatalogueChanged(catalogue);
}

void clearCatalogue(Catalogue& catalogue)
{
    catalogue.entries.clear();
    noteCatalogueChanged(catalogue);
}

int directoryIndexOf(const std::vector<ScanDirectory>& directories, const ScanDirectory& directory)
{
    for (std::size_t i = 0; i < directories.size(); ++i) {
        if (&directories[i] == &directory)
            return static_cast<int>(i);
    }
    // A copy of a listed directory (an editor's working copy, say) is found by its path.
    for (std::size_t i = 0; i < directories.size(); ++i) {
        if (directories[i].path == directory.path)
            return static_cast<int>(i);
    }
    return -1;
}

void removeDirectoryEntries(Catalogue& catalogue, int directoryIndex)
{
    // One stable compaction instead of erasing one by one from the back: same survivors,
    // same order, linear time.
    std::vector<CatalogueEntry>& entries = catalogue.entries;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].directoryIndex == directoryIndex)
            continue;
        if (kept != i)
            entries[kept] = std::move(entries[i]);
        ++kept;
    }
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(kept), entries.end());
    noteCatalogueChanged(catalogue);
}

void resetIcons(Catalogue& catalogue)
{
    for (CatalogueEntry& entry : catalogue.entries)
        entry.iconIndex = -1;
}

void recordLaunch(Catalogue& catalogue, CatalogueEntry& entry)
{
    if (entry.launchScore < MaxLaunchScore)
        ++entry.launchScore;
    ++catalogue.launchRevision;
}

void hideEntry(Catalogue& catalogue, CatalogueEntry& entry)
{
    entry.launchScore = HiddenLaunchScore;
    ++catalogue.launchRevision;
}

void noteCatalogueChanged(Catalogue& catalogue)
{
    ++catalogue.revision;
}
