// Which items of the shell's Applications folder become catalogue entries: packaged apps, named
// as the Start menu names them, that no catalogued shortcut already lists. The folder itself is
// read behind the AppsFolder interface, so these decisions run the same against the fakes of the
// tests.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/score_store.h"

// One item as the shell lists it, both names in UTF-8: the parsing name relative to the folder
// (a packaged app's Application User Model ID) and the localized name the Start menu shows.
struct AppsFolderItem {
    std::string parsingName;
    std::string displayName;
};

class AppsFolder {
public:
    virtual ~AppsFolder() = default;
    // Every item; none when the folder does not exist or cannot be read.
    virtual std::vector<AppsFolderItem> items() = 0;
};

// The form of a packaged app's ID, <package name>_<publisher id>!<application id>. Desktop
// programs are listed in the same folder under paths or IDs of their own choosing.
bool isAppUserModelId(const std::string& parsingName);

// False for a name the shell did not resolve (an ms-resource: reference or an indirect
// "@{...}" string), an empty or overlong one, and bytes that are no text.
bool isShowableAppName(const std::string& name);

// Appends one entry of `directoryIndex` for every packaged app among `items` whose name no
// shortcut in the catalogue carries already; the first of two items with one ID wins.
void addPackagedApps(Catalogue& catalogue, const ScoreStore& scores, std::size_t directoryIndex,
                     const std::vector<AppsFolderItem>& items);
