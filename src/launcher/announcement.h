// What a screen reader is told about the launcher's selection: the selected row as one sentence,
// or the hint when there is nothing to select. The texts come from the resources.
#pragma once

#include "catalogue/catalogue.h"
#include "settings/settings_model.h"

#include <string>
#include <vector>

enum class EntryKind { Program, Document, Folder, Shortcut, Favourite, Count };

// The kind as its path tells it: by extension, and a name without one taken for a folder.
EntryKind entryKindOf(const std::string& path);

// Templates with numbered places: %1 the name, %2 the kind, %3 the directory's description, then
// the row's position and the row count (%4 and %5, or %3 and %4 without a directory).
struct AnnouncementTexts {
    std::string row;
    std::string rowWithoutDirectory;
    std::string kinds[static_cast<int>(EntryKind::Count)];
};

// `pattern` with each %1..%9 replaced by the matching value; a place without a value stays empty,
// and "%%" is a single '%'.
std::string fillPlaces(const std::string& pattern, const std::vector<std::string>& values);

// The sentence for row `row` (from 0) of `count` rows showing `entry`.
std::string rowAnnouncement(const AnnouncementTexts& texts, const CatalogueEntry& entry,
                            const std::vector<ScanDirectory>& directories, int row, int count);

// A row's item text, which accessibility tools read: `pattern` with the name (%1) and the
// directory's description (%2), or the bare name for an entry of no directory.
std::string rowItemText(const std::string& pattern, const CatalogueEntry& entry,
                        const std::vector<ScanDirectory>& directories);
