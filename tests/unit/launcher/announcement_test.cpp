#include "launcher/announcement.h"

#include <gtest/gtest.h>

namespace {

TEST(EntryKindOf, ByTheLastComponentsExtension)
{
    EXPECT_EQ(entryKindOf("C:\\Apps\\Tool.EXE"), EntryKind::Program);
    EXPECT_EQ(entryKindOf("C:\\Apps\\run.cmd"), EntryKind::Program);
    EXPECT_EQ(entryKindOf("C:\\Menu\\Mail.lnk"), EntryKind::Shortcut);
    EXPECT_EQ(entryKindOf("C:\\Fav\\Site.url"), EntryKind::Favourite);
    EXPECT_EQ(entryKindOf("C:\\Docs\\Letter.txt"), EntryKind::Document);
    EXPECT_EQ(entryKindOf("C:\\Docs\\Letters"), EntryKind::Folder);
    // A dot in a folder above does not give the name an extension.
    EXPECT_EQ(entryKindOf("C:\\v1.2\\Letters"), EntryKind::Folder);
    EXPECT_EQ(entryKindOf("C:\\Docs\\.profile"), EntryKind::Document);
}

TEST(FillPlaces, NumberedPlacesEscapesAndMissingValues)
{
    EXPECT_EQ(fillPlaces("%2 of %1", {"9", "3"}), "3 of 9");
    EXPECT_EQ(fillPlaces("100%% %1%3.", {"a"}), "100% a.");
    EXPECT_EQ(fillPlaces("%", {"a"}), "%");
    EXPECT_EQ(fillPlaces("%0 %x", {"a"}), "%0 %x");
    // A value holding a place is not filled again.
    EXPECT_EQ(fillPlaces("%1 %2", {"%2", "b"}), "%2 b");
}

AnnouncementTexts englishTexts()
{
    AnnouncementTexts texts;
    texts.row = "%1, %2, %3, %4 of %5";
    texts.rowWithoutDirectory = "%1, %2, %3 of %4";
    texts.kinds[static_cast<int>(EntryKind::Document)] = "document";
    texts.kinds[static_cast<int>(EntryKind::Shortcut)] = "shortcut";
    return texts;
}

TEST(RowAnnouncement, NameKindDirectoryAndPosition)
{
    const std::vector<ScanDirectory> directories = {{"C:\\Apps\\", "Apps"}, {"C:\\Empty\\", ""}};
    CatalogueEntry entry;
    entry.path = "C:\\Apps\\Mail Merge.txt";
    entry.name = "Mail Merge";
    entry.directoryIndex = 0;
    EXPECT_EQ(rowAnnouncement(englishTexts(), entry, directories, 0, 3), "Mail Merge, document, Apps, 1 of 3");
    EXPECT_EQ(rowItemText("%1, %2", entry, directories), "Mail Merge, Apps");

    // No directory, one out of range, or one without a description: the sentence goes without it.
    entry.path = "C:\\Apps\\Marker Maker.lnk";
    entry.name = "Marker Maker";
    for (int index : {-1, 1, 2}) {
        entry.directoryIndex = index;
        EXPECT_EQ(rowAnnouncement(englishTexts(), entry, directories, 11, 12), "Marker Maker, shortcut, 12 of 12");
        EXPECT_EQ(rowItemText("%1, %2", entry, directories), "Marker Maker");
    }
}

} // namespace
