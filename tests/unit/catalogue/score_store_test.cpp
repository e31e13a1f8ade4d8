#include "catalogue/score_store.h"
#include "catalogue/scratch_file.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

std::string record(std::int8_t score, const std::string& path)
{
    const std::size_t length = path.size() + 1;
    return std::string(1, static_cast<char>(score)) + static_cast<char>(length & 0xFF) +
           static_cast<char>(length >> 8) + path + '\0';
}

const std::string Magic = "SCO0";

CatalogueEntry entryAt(const std::string& path, int launchScore)
{
    CatalogueEntry entry;
    entry.path = path;
    setName(entry, path);
    entry.launchScore = static_cast<std::int8_t>(launchScore);
    return entry;
}

} // namespace

TEST(PathHash, SumsUpperCasedBytes)
{
    EXPECT_EQ(computePathHash("abc"), 198);
    EXPECT_EQ(computePathHash("ABC"), 198);
    EXPECT_EQ(computePathHash(""), 0);
    EXPECT_EQ(computePathHash("\xFF\x02"), 1); // wraps modulo 256; high bytes are not folded
    EXPECT_EQ(computePathHash("\xE9"), 0xE9);
}

TEST(ScoreStore, LooksUpByExactPathInItsBucket)
{
    ScoreStore store;
    ScratchFile file("scores");
    file.write(Magic + record(3, "C:\\abc") + record(-4, "C:\\ABC"));
    ASSERT_TRUE(loadScoreStore(store, file.path()));
    ASSERT_EQ(store.records.size(), 2u);
    const std::size_t bucket = computePathHash("C:\\abc") & 15;
    EXPECT_EQ(store.buckets[bucket].size(), 2u); // same hash, still two keys
    EXPECT_EQ(storedLaunchScore(store, "C:\\abc"), 3);
    EXPECT_EQ(storedLaunchScore(store, "C:\\ABC"), -4);
    EXPECT_EQ(storedLaunchScore(store, "C:\\Abc"), 0);
    EXPECT_EQ(lookupScore(store, "C:\\Abc"), nullptr);
}

TEST(ScoreStore, LoadingFollowsTheRecordRules)
{
    struct Case {
        const char* what;
        std::string bytes;
        bool loaded;
        std::vector<std::pair<std::string, int>> records;
    } cases[] = {
        {"magic only", Magic, true, {}},
        {"wrong magic", "SCO1"s + record(1, "x"), false, {{"kept", 7}}},
        {"short file", "SC", false, {{"kept", 7}}},
        {"length zero skipped", Magic + "\x05\x00\x00"s + record(2, "b"), true, {{"b", 2}}},
        {"reserved bits ignored", Magic + "\x01\x02\xF0"s + "a\0"s, true, {{"a", 1}}},
        {"path ends at first zero", Magic + "\x01\x04\x00"s + "ab\0c"s + record(2, "d"), true,
         {{"ab", 1}, {"d", 2}}},
        {"unterminated path taken whole", Magic + "\x01\x02\x00"s + "ab"s, true, {{"ab", 1}}},
        {"length above 270 ends reading", Magic + record(1, "a") + "\x01\x0F\x01"s + record(2, "b"), true,
         {{"a", 1}}},
        {"record header cut short", Magic + record(1, "a") + "\x01\x05"s, true, {{"a", 1}}},
        {"last path cut short is dropped", Magic + record(1, "a") + "\x02\x08\x00C:\\Pro"s, true, {{"a", 1}}},
    };
    for (const Case& c : cases) {
        ScratchFile file("scores");
        file.write(c.bytes);
        ScoreStore store;
        store.records.push_back(ScoreRecord{"kept", 7, computePathHash("kept")});
        store.buckets[computePathHash("kept") & 15].push_back(0);
        EXPECT_EQ(loadScoreStore(store, file.path()), c.loaded) << c.what;
        ASSERT_EQ(store.records.size(), c.records.size()) << c.what;
        for (std::size_t i = 0; i < c.records.size(); ++i) {
            EXPECT_EQ(store.records[i].path, c.records[i].first) << c.what;
            EXPECT_EQ(store.records[i].launchScore, c.records[i].second) << c.what;
            EXPECT_EQ(store.records[i].pathHash, computePathHash(c.records[i].first)) << c.what;
        }
    }
}

TEST(ScoreStore, MissingFileLoadsNothingAndSucceeds)
{
    ScoreStore store;
    ScratchFile file("scores");
    EXPECT_TRUE(loadScoreStore(store, file.path()));
    EXPECT_TRUE(store.records.empty());
}

TEST(ScoreStore, FirstSaveWritesOnlyNonZeroScores)
{
    ScoreStore store;
    ScratchFile file("scores");
    Catalogue catalogue;
    appendEntry(catalogue, entryAt("C:\\a.lnk", 0));
    appendEntry(catalogue, entryAt("C:\\b.lnk", 1));
    appendEntry(catalogue, entryAt("C:\\c.lnk", -4));
    ASSERT_TRUE(saveScoreStore(store, catalogue, file.path()));
    EXPECT_EQ(file.read(), Magic + record(1, "C:\\b.lnk") + record(-4, "C:\\c.lnk"));
    EXPECT_TRUE(store.records.empty()); // the store is emptied after saving
}

TEST(ScoreStore, SaveMergesIntoTheFileKeepingRecordsOfVanishedPaths)
{
    ScoreStore store;
    ScratchFile file("scores");
    file.write(Magic + record(5, "C:\\gone.lnk") + record(1, "C:\\b.lnk") + record(2, "C:\\z.lnk"));
    Catalogue catalogue;
    appendEntry(catalogue, entryAt("C:\\new.lnk", 3));
    appendEntry(catalogue, entryAt("C:\\b.lnk", -4)); // launched once, then hidden
    appendEntry(catalogue, entryAt("C:\\z.lnk", 0));  // a record keeps existing at 0
    ASSERT_TRUE(saveScoreStore(store, catalogue, file.path()));
    EXPECT_EQ(file.read(), Magic + record(5, "C:\\gone.lnk") + record(-4, "C:\\b.lnk") +
                               record(0, "C:\\z.lnk") + record(3, "C:\\new.lnk"));
}

TEST(ScoreStore, AFileOfAnotherFormatIsReplacedByTheCatalogueScores)
{
    ScoreStore store;
    ScratchFile file("scores");
    file.write("not a score file");
    Catalogue catalogue;
    appendEntry(catalogue, entryAt("C:\\b.lnk", 2));
    ASSERT_TRUE(saveScoreStore(store, catalogue, file.path()));
    EXPECT_EQ(file.read(), Magic + record(2, "C:\\b.lnk"));
}

TEST(ScoreStore, APathTooLongForItsLengthFieldIsLeftOutNotCorrupted)
{
    ScoreStore store;
    ScratchFile file("scores");
    Catalogue catalogue;
    appendEntry(catalogue, entryAt(std::string(300, 'p'), 2));
    appendEntry(catalogue, entryAt("C:\\after.lnk", 4));
    ASSERT_TRUE(saveScoreStore(store, catalogue, file.path()));
    ASSERT_TRUE(loadScoreStore(store, file.path()));
    EXPECT_EQ(storedLaunchScore(store, "C:\\after.lnk"), 4);
}

TEST(ScoreStore, PathsLongerThanOlderReadersTakeAreWrittenLast)
{
    // 259 characters whose UTF-8 is 772 bytes: an older reader stops at such a record, so it must
    // come after every record that reader can still use.
    std::string longPath = "C:\\";
    for (int i = 0; i < 256; ++i)
        longPath += "\xE6\x97\xA5";
    ScoreStore store;
    ScratchFile file("scores");
    file.write(Magic + record(1, "C:\\old.lnk"));
    Catalogue catalogue;
    appendEntry(catalogue, entryAt(longPath, 5));
    appendEntry(catalogue, entryAt("C:\\a.lnk", 2));
    appendEntry(catalogue, entryAt(longPath + "\xE6\x97\xA5\xE6\x97\xA5\xE6\x97\xA5", 6)); // no path is that long
    ASSERT_TRUE(saveScoreStore(store, catalogue, file.path()));
    EXPECT_EQ(file.read(), Magic + record(1, "C:\\old.lnk") + record(2, "C:\\a.lnk") + record(5, longPath));
    ASSERT_TRUE(loadScoreStore(store, file.path()));
    EXPECT_EQ(storedLaunchScore(store, longPath), 5);
}

TEST(ScoreStore, AnUnwritableFileReportsFailureAndEmptiesTheStore)
{
    ScoreStore store;
    Catalogue catalogue;
    appendEntry(catalogue, entryAt("C:\\b.lnk", 2));
    EXPECT_FALSE(saveScoreStore(store, catalogue, testing::TempDir() + "no-such-folder/x/scores.dat"));
    EXPECT_TRUE(store.records.empty());
}
