#include "scanning/catalogue_file.h"
#include "catalogue/scratch_file.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace std::string_literals;

const std::string Magic = "TCF1";

std::string countBytes(std::int32_t count)
{
    const auto bits = static_cast<std::uint32_t>(count);
    return {static_cast<char>(bits & 0xFF), static_cast<char>((bits >> 8) & 0xFF),
            static_cast<char>((bits >> 16) & 0xFF), static_cast<char>(bits >> 24)};
}

CatalogueEntry entryOf(const std::string& path, const std::string& name, int directoryIndex)
{
    CatalogueEntry entry;
    entry.path = path;
    setName(entry, name);
    entry.directoryIndex = directoryIndex;
    return entry;
}

Catalogue sentinelCatalogue()
{
    Catalogue catalogue;
    appendEntry(catalogue, entryOf("C:\\keep", "keep", 0));
    return catalogue;
}

} // namespace

TEST(CatalogueFile, RecordBytesAndEmptyCatalogue)
{
    ScratchFile file("scandb");
    Catalogue catalogue;
    ASSERT_TRUE(saveCatalogueFile(catalogue, file.path()));
    EXPECT_EQ(file.read(), Magic + countBytes(0));

    appendEntry(catalogue, entryOf("C:\\Docs\\a.txt", "a", 2));
    appendEntry(catalogue, entryOf("", "", -1));
    ASSERT_TRUE(saveCatalogueFile(catalogue, file.path()));
    EXPECT_EQ(file.read(), Magic + countBytes(2) + "\x02" "C:\\Docs\\a.txt\0a\0"s + "\xFF\0\0"s);

    Catalogue loaded = sentinelCatalogue();
    ASSERT_TRUE(loadCatalogueFile(loaded, ScoreStore(), file.path()));
    ASSERT_EQ(loaded.entries.size(), 2u);
    EXPECT_EQ(loaded.entries[1].directoryIndex, -1);
}

TEST(CatalogueFile, RoundTripKeepsOrderAndTakesScoresFromTheStore)
{
    ScratchFile file("scandb");
    Catalogue catalogue;
    for (int i = 0; i < 50; ++i)
        appendEntry(catalogue, entryOf("C:\\p\\" + std::to_string(i), "Name " + std::to_string(i % 7), i % 5));
    catalogue.entries[3].iconIndex = 12;
    ASSERT_TRUE(saveCatalogueFile(catalogue, file.path()));

    ScoreStore scores;
    scores.records.push_back(ScoreRecord{"C:\\p\\3", 9, computePathHash("C:\\p\\3")});
    scores.buckets[scores.records[0].pathHash & 15].push_back(0);
    Catalogue loaded;
    ASSERT_TRUE(loadCatalogueFile(loaded, scores, file.path()));
    ASSERT_EQ(loaded.entries.size(), catalogue.entries.size());
    for (std::size_t i = 0; i < loaded.entries.size(); ++i) {
        const CatalogueEntry& entry = loaded.entries[i];
        EXPECT_EQ(entry.path, catalogue.entries[i].path);
        EXPECT_EQ(entry.name, catalogue.entries[i].name);
        EXPECT_EQ(entry.directoryIndex, catalogue.entries[i].directoryIndex);
        EXPECT_EQ(entry.charMask, computeCharMask(entry.name.c_str()));
        EXPECT_EQ(entry.iconIndex, -1);
        EXPECT_EQ(entry.launchScore, i == 3 ? 9 : 0);
    }
}

TEST(CatalogueFile, TruncatedAndCorruptFiles)
{
    const std::string twoRecords = "\x01" "C:\\a\0a\0"s + "\x02" "C:\\b\0b\0"s;
    struct Case {
        const char* what;
        std::string bytes;
        bool loaded;
        std::vector<std::string> names; // "keep" when the catalogue must stay untouched
    } cases[] = {
        {"missing magic", "TCF2" + countBytes(0), false, {"keep"}},
        {"shorter than the magic", "TC", false, {"keep"}},
        {"empty file", "", false, {"keep"}},
        {"count cut off", Magic + "\x01\x00"s, true, {}},
        {"negative count", Magic + countBytes(-5) + twoRecords, true, {}},
        {"count below the records", Magic + countBytes(1) + twoRecords, true, {"a"}},
        {"count above the records", Magic + countBytes(3) + twoRecords, true, {"a", "b"}},
        {"billions promised", Magic + countBytes(0x7FFFFFFF) + twoRecords, true, {"a", "b"}},
        {"cut inside a name", Magic + countBytes(2) + twoRecords.substr(0, twoRecords.size() - 1), true, {"a"}},
        {"cut inside a path", Magic + countBytes(2) + twoRecords.substr(0, 10), true, {"a"}},
        {"cut after the directory byte", Magic + countBytes(2) + twoRecords.substr(0, 8), true, {"a"}},
    };
    for (const Case& c : cases) {
        ScratchFile file("scandb");
        file.write(c.bytes);
        Catalogue catalogue = sentinelCatalogue();
        EXPECT_EQ(loadCatalogueFile(catalogue, ScoreStore(), file.path()), c.loaded) << c.what;
        std::vector<std::string> names;
        for (const CatalogueEntry& entry : catalogue.entries)
            names.push_back(entry.name);
        EXPECT_EQ(names, c.names) << c.what;
        EXPECT_LE(catalogue.entries.capacity(), 64u) << c.what; // nothing reserved for phantom records
    }
}

TEST(CatalogueFile, MissingFileLeavesTheCatalogueAlone)
{
    ScratchFile file("scandb");
    Catalogue catalogue = sentinelCatalogue();
    EXPECT_FALSE(loadCatalogueFile(catalogue, ScoreStore(), file.path()));
    EXPECT_EQ(catalogue.entries.size(), 1u);
}

TEST(CatalogueFile, AFailedSaveLeavesThePreviousFile)
{
    ScratchFile file("scandb");
    file.write(Magic + countBytes(0));
    Catalogue catalogue = sentinelCatalogue();
    EXPECT_FALSE(saveCatalogueFile(catalogue, file.path() + "-missing-folder/scandb.dat"));
    EXPECT_EQ(file.read(), Magic + countBytes(0));
}

TEST(CatalogueFile, GarbageNeverCrashes)
{
    std::mt19937 random(7);
    ScratchFile file("scandb");
    for (int round = 0; round < 200; ++round) {
        std::string bytes = Magic;
        bytes.resize(4 + random() % 200);
        for (std::size_t i = 4; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>(random() % 4 == 0 ? 0 : random());
        file.write(bytes);
        Catalogue catalogue;
        EXPECT_TRUE(loadCatalogueFile(catalogue, ScoreStore(), file.path()));
        for (const CatalogueEntry& entry : catalogue.entries)
            EXPECT_EQ(entry.charMask, computeCharMask(entry.name.c_str()));
    }
}

TEST(CatalogueFile, DirectoriesBeyondTheByteNeverNameAnotherDirectory)
{
    struct Case { std::int32_t index; signed char stored; } cases[] = {
        {0, 0}, {127, 127}, {128, -1}, {255, -1}, {256, -1}, {384, -1}, {-1, -1}, {-128, -128}, {-129, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(storedDirectoryIndex(c.index), c.stored) << c.index;
}

TEST(CatalogueFile, EntriesOfDirectoriesBeyond127AreGivenBackByPath)
{
    std::vector<ScanDirectory> directories(200);
    for (std::size_t i = 0; i < directories.size(); ++i)
        directories[i].path = "C:\\D" + std::to_string(i) + "\\";
    directories[150].path = "C:\\D150\\Sub\\"; // nested inside nothing else: longest prefix wins below
    directories[151].path = "C:\\D150\\";

    Catalogue catalogue;
    appendEntry(catalogue, entryOf("C:\\D5\\x", "x", 5));
    appendEntry(catalogue, entryOf("C:\\D130\\y", "y", 130));
    appendEntry(catalogue, entryOf("C:\\D150\\Sub\\z", "z", 150));
    appendEntry(catalogue, entryOf("C:\\D150\\w", "w", 151));
    appendEntry(catalogue, entryOf("C:\\D5\\loose", "loose", -1));
    appendEntry(catalogue, entryOf("E:\\elsewhere", "e", -1));
    ScratchFile file("scandb");
    ASSERT_TRUE(saveCatalogueFile(catalogue, file.path()));

    Catalogue plain;
    ASSERT_TRUE(loadCatalogueFile(plain, ScoreStore(), file.path()));
    const std::vector<int> withoutList = {5, -1, -1, -1, -1, -1};
    Catalogue given;
    ASSERT_TRUE(loadCatalogueFile(given, ScoreStore(), file.path(), directories));
    const std::vector<int> withList = {5, 130, 150, 151, -1, -1}; // only directories past 127 are searched
    for (std::size_t i = 0; i < catalogue.entries.size(); ++i) {
        EXPECT_EQ(plain.entries[i].directoryIndex, withoutList[i]) << i;
        EXPECT_EQ(given.entries[i].directoryIndex, withList[i]) << i;
    }
}

TEST(ReadZString, StopsAtNulOrAtTheEnd)
{
    const std::string bytes = "ab\0\0cd"s;
    ByteCursor cursor{bytes.data(), bytes.data() + bytes.size()};
    std::string text = "old";
    EXPECT_TRUE(readZString(cursor, text));
    EXPECT_EQ(text, "ab");
    EXPECT_TRUE(readZString(cursor, text));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(readZString(cursor, text));
    EXPECT_EQ(text, "cd");
    EXPECT_FALSE(readZString(cursor, text));
    EXPECT_EQ(text, "");
}
