#include "catalogue/directory_moves.h"

#include <gtest/gtest.h>

namespace {

ScanDirectory directory(const char* path)
{
    ScanDirectory d;
    d.path = path;
    return d;
}

CatalogueEntry entry(const char* name, int directoryIndex)
{
    CatalogueEntry e;
    e.path = name;
    setName(e, name);
    e.directoryIndex = directoryIndex;
    return e;
}

std::string describe(const Catalogue& catalogue)
{
    std::string text;
    for (const CatalogueEntry& e : catalogue.entries)
        text += e.name + ":" + std::to_string(e.directoryIndex) + " ";
    return text;
}

TEST(DirectoryMoves, SamePathsClaimedOnceInOrder)
{
    const std::vector<ScanDirectory> before = {directory("C:\\A\\"), directory("C:\\B\\"), directory("C:\\A\\")};
    const std::vector<ScanDirectory> after = {directory("C:\\B\\"), directory("C:\\A\\"), directory("C:\\New\\")};
    EXPECT_EQ(directoryMoves(before, after), (std::vector<int>{1, 0, DirectoryGone}));
}

TEST(DirectoryMoves, EntriesFollowTheirDirectoryAndThoseOfADeletedOneGo)
{
    const std::vector<ScanDirectory> before = {directory("C:\\Docs\\"), directory("C:\\Games\\"),
                                               directory("C:\\Music\\")};
    const std::vector<ScanDirectory> after = {directory("C:\\Music\\"), directory("C:\\Docs\\")};
    Catalogue catalogue;
    for (CatalogueEntry e : {entry("letter", 0), entry("chess", 1), entry("song", 2), entry("loose", -1),
                             entry("stale", 7), entry("report", 0)})
        appendEntry(catalogue, e);

    followDirectoryList(catalogue, before, after);

    // Order is kept; the deleted directory's entry is gone; an index that named nothing names nothing.
    EXPECT_EQ(describe(catalogue), "letter:1 song:0 loose:-1 stale:-1 report:1 ");
}

TEST(DirectoryMoves, UnchangedListChangesNothing)
{
    const std::vector<ScanDirectory> list = {directory("C:\\Docs\\"), directory("D:\\")};
    Catalogue catalogue;
    appendEntry(catalogue, entry("a", 0));
    appendEntry(catalogue, entry("b", 1));
    followDirectoryList(catalogue, list, list);
    EXPECT_EQ(describe(catalogue), "a:0 b:1 ");
}

} // namespace
