#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

namespace {

CatalogueEntry entryOf(const std::string& name, int directoryIndex)
{
    CatalogueEntry entry;
    entry.path = "C:\\" + name;
    setName(entry, name);
    entry.directoryIndex = directoryIndex;
    return entry;
}

std::vector<std::string> namesOf(const Catalogue& catalogue)
{
    std::vector<std::string> names;
    for (const CatalogueEntry& entry : catalogue.entries)
        names.push_back(entry.name);
    return names;
}

} // namespace

TEST(CharMask, SetsTheLowFiveBitsOfEveryByte)
{
    struct Case { const char* text; std::uint32_t mask; } cases[] = {
        {"", 0u},
        {"Ab", (1u << 1) | (1u << 2)},
        {"aB", (1u << 1) | (1u << 2)},
        {"Zz", 1u << 26},
        {"0", 1u << 16},      // shares its bit with P
        {"P", 1u << 16},
        {".", 1u << 14},      // shares its bit with N
        {" ", 1u << 0},
        {"\xE9", 1u << 9},    // 0xE9 & 31: bytes above 127 count like any other
    };
    for (const Case& c : cases)
        EXPECT_EQ(computeCharMask(c.text), c.mask) << '"' << c.text << '"';
}

TEST(CharMask, SetNameKeepsTheMaskOfTheCurrentName)
{
    CatalogueEntry entry;
    setName(entry, "Word");
    setName(entry, "");
    EXPECT_EQ(entry.name, "");
    EXPECT_EQ(entry.charMask, 0u);
}

TEST(Catalogue, RemovesEveryEntryOfOneDirectoryKeepingTheOrder)
{
    Catalogue catalogue;
    for (auto [name, index] : std::vector<std::pair<const char*, int>>{
             {"a", 0}, {"b", 1}, {"c", 1}, {"d", 0}, {"e", 1}, {"f", -1}})
        appendEntry(catalogue, entryOf(name, index));

    removeDirectoryEntries(catalogue, 3); // contributed nothing
    EXPECT_EQ(namesOf(catalogue), (std::vector<std::string>{"a", "b", "c", "d", "e", "f"}));

    removeDirectoryEntries(catalogue, 1); // b and c stand side by side: neither is skipped
    EXPECT_EQ(namesOf(catalogue), (std::vector<std::string>{"a", "d", "f"}));

    removeDirectoryEntries(catalogue, -1);
    EXPECT_EQ(namesOf(catalogue), (std::vector<std::string>{"a", "d"}));
}

TEST(Catalogue, ResetIconsAndClear)
{
    Catalogue catalogue;
    appendEntry(catalogue, entryOf("x", 0));
    catalogue.entries[0].iconIndex = 5;
    resetIcons(catalogue);
    const CatalogueEntry& entry = catalogue.entries[0];
    EXPECT_EQ(entry.iconIndex, -1);
    clearCatalogue(catalogue);
    EXPECT_TRUE(catalogue.entries.empty());
}

TEST(Catalogue, DirectoryIndexByPositionOrByPathOfACopy)
{
    std::vector<ScanDirectory> directories(3);
    directories[0].path = "C:\\A\\";
    directories[1].path = "C:\\B\\";
    directories[2].path = "C:\\C\\";
    EXPECT_EQ(directoryIndexOf(directories, directories[2]), 2);
    ScanDirectory copy = directories[1];
    EXPECT_EQ(directoryIndexOf(directories, copy), 1);
    ScanDirectory stranger;
    stranger.path = "D:\\";
    EXPECT_EQ(directoryIndexOf(directories, stranger), -1);
}

TEST(LaunchScore, RisesToTenAndHidingSetsMinusFour)
{
    Catalogue catalogue;
    appendEntry(catalogue, entryOf("x", 0));
    CatalogueEntry& entry = catalogue.entries[0];
    for (int i = 0; i < 11; ++i)
        recordLaunch(catalogue, entry);
    EXPECT_EQ(entry.launchScore, 10);
    hideEntry(catalogue, entry);
    EXPECT_EQ(entry.launchScore, -4);
    recordLaunch(catalogue, entry);
    EXPECT_EQ(entry.launchScore, -3);
    entry.launchScore = 100; // from a hand-made scores file: never raised further
    recordLaunch(catalogue, entry);
    EXPECT_EQ(entry.launchScore, 100);
    EXPECT_EQ(catalogue.launchRevision, 14u); // the matcher remakes what it keeps of launch scores
}
