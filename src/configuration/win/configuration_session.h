// What the pages of the configuration sheet share while it is open: the working copies of the
// settings lists and what the edits mean for the catalogue.
#pragma once

#include <vector>

#include "settings/settings_model.h"

struct ConfigurationSession {
    std::vector<ScanDirectory> editDirectories;  // working copy of settings.directories
    std::vector<ScanDefinition> editDefinitions; // working copy of settings.definitions
    int currentDefinition = -1;                  // index into editDefinitions shown on its page, or -1
    bool changedSinceOpen = false;               // something changed that makes the catalogue stale
    bool rescanRecommended = false;              // a page applied while changedSinceOpen was set
};

extern ConfigurationSession configuration;

// The pages, in the order the sheet shows them.
struct SheetPage;
extern const SheetPage WelcomePage;
extern const SheetPage DirectoriesPage;
extern const SheetPage UserInterfacePage;
extern const SheetPage ScanDefinitionsPage;
extern const SheetPage ScanOptionsPage;
