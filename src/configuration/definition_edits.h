// Decisions of the Scan definitions page and the commits of both list pages, kept apart from the controls.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/settings_model.h"

// Position of the definition with this id in the list, or -1.
int indexOfDefinition(const std::vector<ScanDefinition>& list, std::int32_t id);

enum class DefinitionDeletion { Impossible, InUse, Allowed };

// Whether the definition at `current` may go: never the last one, never one that a directory of the
// working copy still uses.
DefinitionDeletion decideDefinitionDeletion(const std::vector<ScanDefinition>& definitions, int current,
                                            const std::vector<ScanDirectory>& workingDirectories);

// The item to select after the item at `deletedItem` went and `remainingCount` items are left:
// the one that moved into its place, or the one before when the last item went; -1 for an empty list.
int itemAfterDeletion(int deletedItem, int remainingCount);

// The edit boxes of a definition.
enum class DefinitionField { Name, Include, Exclude };

// New patterns make the catalogue stale; a new name does not.
bool editMakesCatalogueStale(DefinitionField field);

// The texts of the three boxes written into the definition, each cut to the edit box limit.
void applyDefinitionTexts(ScanDefinition& definition, const std::string& name, const std::string& include,
                          const std::string& exclude);

// A page's apply: the working copy becomes the committed list, and a change since the sheet opened
// turns into a rescan recommendation.
template <typename Element>
void commitWorkingCopy(std::vector<Element>& committed, const std::vector<Element>& workingCopy,
                       bool changedSinceOpen, bool& rescanRecommended)
{
    committed = workingCopy;
    rescanRecommended = rescanRecommended || changedSinceOpen;
}
