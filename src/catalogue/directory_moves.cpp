#include "catalogue/directory_moves.h"

std::vector<int> directoryMoves(const std::vector<ScanDirectory>& before, const std::vector<ScanDirectory>& after)
{
    std::vector<int> moves(before.size(), DirectoryGone);
    std::vector<bool> claimed(after.size(), false);
    for (std::size_t old = 0; old < before.size(); ++old) {
        for (std::size_t now = 0; now < after.size(); ++now) {
            if (!claimed[now] && after[now].path == before[old].path) {
                claimed[now] = true;
                moves[old] = static_cast<int>(now);
                break;
            }
        }
    }
    return moves;
}

void followDirectoryList(Catalogue& catalogue, const std::vector<ScanDirectory>& before,
                         const std::vector<ScanDirectory>& after)
{
    const std::vector<int> moves = directoryMoves(before, after);
    std::vector<CatalogueEntry>& entries = catalogue.entries;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        CatalogueEntry& entry = entries[i];
        if (entry.directoryIndex >= 0 && static_cast<std::size_t>(entry.directoryIndex) < moves.size()) {
            entry.directoryIndex = moves[static_cast<std::size_t>(entry.directoryIndex)];
            if (entry.directoryIndex == DirectoryGone)
                continue;
        } else {
            entry.directoryIndex = DirectoryGone;
        }
        if (kept != i)
            entries[kept] = std::move(entry);
        ++kept;
    }
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(kept), entries.end());
    noteCatalogueChanged(catalogue);
}
