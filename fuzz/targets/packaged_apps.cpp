// The Applications folder's listing comes from packages anyone can publish: any names, IDs and
// shortcut names give entries that carry a path the shell opens, a showable name, and no ID
// twice; what the listing does not keep is never an entry.
#include "fuzz_target.h"

#include <set>

#include "base/ascii.h"
#include "scanning/packaged_apps.h"
#include "settings/apps_source.h"

TANDOR_FUZZ_TARGET(packaged_apps)
{
    FuzzInput input(data, size);
    Catalogue catalogue;
    CatalogueEntry shortcut;
    shortcut.path = input.text() + ".lnk";
    appendEntry(catalogue, shortcut);
    std::vector<AppsFolderItem> items;
    while (!input.empty()) {
        AppsFolderItem item;
        item.parsingName = input.text();
        item.displayName = input.text();
        items.push_back(item);
    }
    addPackagedApps(catalogue, ScoreStore(), 1, items);

    std::set<std::string> ids;
    for (std::size_t i = 1; i < catalogue.entries.size(); ++i) {
        const CatalogueEntry& entry = catalogue.entries[i];
        FUZZ_CHECK(isAppsFolderEntryPath(entry.path));
        FUZZ_CHECK(isShowableAppName(entry.name));
        FUZZ_CHECK(entry.directoryIndex == 1);
        FUZZ_CHECK(ids.insert(upperCasedAscii(entry.path)).second);
    }
    FUZZ_CHECK(catalogue.entries.size() <= items.size() + 1);
}
