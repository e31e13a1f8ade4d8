#include "catalogue/matcher.h"

#include <gtest/gtest.h>

#include <random>

namespace {

Catalogue catalogueOf(const std::vector<std::string>& names)
{
    Catalogue catalogue;
    for (const std::string& name : names) {
        CatalogueEntry entry;
        entry.path = "C:\\" + name;
        setName(entry, name);
        appendEntry(catalogue, entry);
    }
    return catalogue;
}

int scoreOf(const std::string& name, const std::string& query, int launchScore = 0,
            int directoryIndex = -1, const std::vector<ScanDirectory>& directories = {})
{
    Catalogue catalogue = catalogueOf({name});
    catalogue.entries[0].launchScore = static_cast<std::int8_t>(launchScore);
    catalogue.entries[0].directoryIndex = directoryIndex;
    if (matchCatalogue(catalogue, query, directories) != 1)
        return -1000;
    EXPECT_TRUE(catalogue.entries[0].flags & Matched);
    return catalogue.entries[0].matchScore;
}

std::vector<ScanDirectory> directoriesWithPriorities(std::vector<int> priorities)
{
    std::vector<ScanDirectory> directories;
    for (int priority : priorities) {
        ScanDirectory directory;
        directory.priority = static_cast<std::int8_t>(priority);
        directories.push_back(directory);
    }
    return directories;
}

// The ranking exactly as first described: a literal walk and `capacity` selection passes.
struct Reference {
    static bool upperEquals(char c, char q) { return (c >= 'a' && c <= 'z' ? c - 32 : c) == q; }
    static bool letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

    static void match(Catalogue& catalogue, const std::string& query, const std::vector<ScanDirectory>& dirs)
    {
        const std::uint32_t qmask = computeCharMask(query.c_str());
        for (CatalogueEntry& e : catalogue.entries) {
            e.flags &= ~Matched;
            if ((e.charMask & qmask) != qmask)
                continue;
            const char* name = e.name.c_str();
            std::size_t p = 0, q = 0;
            std::int32_t s = 0;
            for (;;) {
                if (name[p] == 0 || query[q] == 0)
                    break;
                if (!upperEquals(name[p], query[q])) {
                    s -= 1;
                    ++p;
                    continue;
                }
                if (q == 0) {
                    s = 10 * e.launchScore;
                    if (e.directoryIndex >= 0 && e.directoryIndex < static_cast<int>(dirs.size()))
                        s += priorityWeight(dirs[e.directoryIndex].priority);
                    if (p == 0)
                        s += 14;
                }
                s += 2;
                if (p == 0 || !letter(name[p - 1]))
                    s += 11;
                else if (name[p] >= 'A' && name[p] <= 'Z' && name[p - 1] >= 'a' && name[p - 1] <= 'z')
                    s += 7;
                ++q;
                if (query[q] == 0) {
                    e.flags |= Matched;
                    e.matchScore = static_cast<std::int16_t>(s);
                    break;
                }
                s -= 1;
                ++p;
            }
        }
    }

    static std::vector<ResultSlot> select(Catalogue& catalogue, std::size_t capacity)
    {
        std::size_t m = 0;
        for (const CatalogueEntry& e : catalogue.entries)
            m += (e.flags & Matched) ? 1 : 0;
        std::vector<ResultSlot> slots;
        for (std::size_t round = 0; round < std::min(m, capacity); ++round) {
            std::int32_t best = -999999999;
            CatalogueEntry* pick = nullptr;
            for (CatalogueEntry& e : catalogue.entries) {
                if ((e.flags & Matched) && e.matchScore > best) {
                    best = e.matchScore;
                    pick = &e;
                }
            }
            slots.push_back(ResultSlot{pick, pick->matchScore, 0});
            pick->flags &= ~Matched;
        }
        return slots;
    }
};

} // namespace

TEST(Matcher, WorkedExamples)
{
    struct Case { const char* name; const char* query; int score; } cases[] = {
        {"Photo Album Viewer", "PAV", 41},
        {"PhotoAlbum", "PA", 31},
        {"Photo-Album", "PA", 34},
        {"Tape Backup Editor", "TE", 26},   // greedy: the e of Tape, not the E of Editor
        {"Tape Backup Editor", "TBE", 41},
        {"xAyAB", "AB", 8},
        {"NewEntry", "NE", 28},
        {"NewEntry", "NEE", 35},            // the second E earns the capital bonus
        {"notepad", "N", 27},
        {"a.txt", "T", 0 + 2 + 11},         // first hit after '.' is a word start, not the name start
        {"my file", "MF", 27 - 3 + 13},
    };
    for (const Case& c : cases)
        EXPECT_EQ(scoreOf(c.name, c.query), c.score) << c.name << " / " << c.query;
}

TEST(Matcher, NonMatches)
{
    struct Case { const char* name; const char* query; } cases[] = {
        {"Photo", ""},          // an empty query matches nothing
        {"", "A"},              // nor does an empty name
        {"Photo", "0"},         // passes the signature test (P shares bit 16), fails the walk
        {"ab", "BA"},           // order matters
        {"Photo", "PP"},        // each hit needs its own character
        {"abc", "abc"},         // the query must come upper-cased
    };
    for (const Case& c : cases)
        EXPECT_EQ(scoreOf(c.name, c.query), -1000) << c.name << " / " << c.query;
}

TEST(Matcher, LaunchScoreAndDirectoryWeightJoinAtTheFirstHit)
{
    const auto directories = directoriesWithPriorities({-2, -1, 0, 1, 2, 7, -100});
    const int expected[] = {-20, -8, 0, 8, 20, 0, 0}; // unknown priorities weigh nothing
    for (int index = 0; index < 7; ++index)
        EXPECT_EQ(scoreOf("xNote", "N", 0, index, directories), 2 + 7 + expected[index]) << index;
    EXPECT_EQ(scoreOf("Note", "N", -4), 27 - 40);              // hidden entries still match
    EXPECT_EQ(scoreOf("Note", "N", 10, 4, directories), 27 + 100 + 20);
    EXPECT_EQ(scoreOf("Note", "N", 0, 7, directories), 27);    // index past the list
    EXPECT_EQ(scoreOf("Note", "N", 0, -5, directories), 27);
    // Steps before the first hit are discarded, whatever the launch score.
    EXPECT_EQ(scoreOf("xxxxn", "N", 1), 10 + 2 + 0);
}

TEST(Matcher, AHugeNameNeverWrapsIntoATopScore)
{
    const std::string name = "A" + std::string(70000, 'x') + "B";
    EXPECT_EQ(scoreOf(name, "AB"), -32768);
}

TEST(Selection, BestFirstTiesInCatalogueOrderAndTakenEntriesUnmarked)
{
    Catalogue catalogue = catalogueOf({"zNote", "Note", "Nothing", "Note", "xx"});
    ASSERT_EQ(matchCatalogue(catalogue, "N", {}), 4u);
    const auto slots = selectResults(catalogue, 3);
    ASSERT_EQ(slots.size(), 3u);
    EXPECT_EQ(slots[0].entry, &catalogue.entries[1]);
    EXPECT_EQ(slots[1].entry, &catalogue.entries[2]);
    EXPECT_EQ(slots[2].entry, &catalogue.entries[3]);
    for (const ResultSlot& slot : slots) {
        EXPECT_EQ(slot.score, 27);
        EXPECT_EQ(slot.iconPosted, 0);
        EXPECT_FALSE(slot.entry->flags & Matched);
    }
    EXPECT_TRUE(catalogue.entries[0].flags & Matched); // not taken, still marked
    const auto rest = selectResults(catalogue, 10);
    ASSERT_EQ(rest.size(), 1u);
    EXPECT_EQ(rest[0].entry, &catalogue.entries[0]);
    EXPECT_TRUE(selectResults(catalogue, 10).empty());
}

TEST(Selection, ZeroCapacityOrNoMatchGivesNothing)
{
    Catalogue catalogue = catalogueOf({"Note"});
    matchCatalogue(catalogue, "N", {});
    EXPECT_TRUE(selectResults(catalogue, 0).empty());
    EXPECT_TRUE(catalogue.entries[0].flags & Matched);
    EXPECT_EQ(matchCatalogue(catalogue, "Q", {}), 0u);
    EXPECT_FALSE(catalogue.entries[0].flags & Matched); // a new pass clears the old marks
    EXPECT_TRUE(selectResults(catalogue, 5).empty());
}

TEST(Selection, SameSlotsAsTheLiteralRankingOnRandomCatalogues)
{
    std::mt19937 random(20240601);
    const std::string alphabet = "aAbBcCdeEfnNoOpPsStT .-_019xyz";
    const auto directories = directoriesWithPriorities({-2, 2, 0, 1, -1, 5});
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> names(1 + random() % 400);
        for (std::string& name : names) {
            name.resize(random() % 24);
            for (char& c : name)
                c = alphabet[random() % alphabet.size()];
        }
        Catalogue fast = catalogueOf(names);
        for (CatalogueEntry& entry : fast.entries) {
            entry.launchScore = static_cast<std::int8_t>(static_cast<int>(random() % 15) - 4);
            entry.directoryIndex = static_cast<int>(random() % 9) - 1;
        }
        Catalogue literal = fast;
        std::string query(1 + random() % 5, ' ');
        for (char& c : query)
            c = toupper(static_cast<unsigned char>(alphabet[random() % alphabet.size()]));
        const std::size_t capacity = random() % 30;

        const std::size_t matched = matchCatalogue(fast, query, directories);
        Reference::match(literal, query, directories);
        std::size_t literalMatched = 0;
        for (std::size_t i = 0; i < fast.entries.size(); ++i) {
            ASSERT_EQ(fast.entries[i].flags, literal.entries[i].flags) << query << " " << names[i];
            if (literal.entries[i].flags & Matched) {
                ++literalMatched;
                ASSERT_EQ(fast.entries[i].matchScore, literal.entries[i].matchScore) << query << " " << names[i];
            }
        }
        ASSERT_EQ(matched, literalMatched);

        const auto slots = selectResults(fast, capacity);
        const auto expected = Reference::select(literal, capacity);
        ASSERT_EQ(slots.size(), expected.size());
        for (std::size_t i = 0; i < slots.size(); ++i) {
            EXPECT_EQ(slots[i].entry - fast.entries.data(), expected[i].entry - literal.entries.data());
            EXPECT_EQ(slots[i].score, expected[i].score);
        }
        for (std::size_t i = 0; i < fast.entries.size(); ++i)
            ASSERT_EQ(fast.entries[i].flags, literal.entries[i].flags);
    }
}

TEST(Selection, TypingOnEditingAndChangingTheCatalogueRankLikeFreshPasses)
{
    std::mt19937 random(77);
    const std::string alphabet = "aAbBnNoOpP .-1";
    const auto directories = directoriesWithPriorities({1, -1});
    for (int round = 0; round < 100; ++round) {
        std::vector<std::string> names(1 + random() % 200);
        for (std::string& name : names) {
            name.resize(random() % 16);
            for (char& c : name)
                c = alphabet[random() % alphabet.size()];
        }
        Catalogue fast = catalogueOf(names);
        std::string query;
        for (int keystroke = 0; keystroke < 8; ++keystroke) {
            const int action = static_cast<int>(random() % 10);
            if (action < 6 || query.empty())
                query += static_cast<char>(toupper(static_cast<unsigned char>(alphabet[random() % alphabet.size()])));
            else if (action < 8)
                query.pop_back(); // backspace
            else if (action == 8)
                hideEntry(fast.entries[random() % fast.entries.size()]);
            else
                appendEntry(fast, catalogueOf({"NoBn.a"}).entries[0]);
            Catalogue literal = fast;
            const std::size_t matched = matchCatalogue(fast, query, directories);
            Reference::match(literal, query, directories);
            std::size_t literalMatched = 0;
            for (std::size_t i = 0; i < fast.entries.size(); ++i) {
                ASSERT_EQ(fast.entries[i].flags, literal.entries[i].flags) << query;
                if (literal.entries[i].flags & Matched) {
                    ++literalMatched;
                    ASSERT_EQ(fast.entries[i].matchScore, literal.entries[i].matchScore) << query;
                }
            }
            ASSERT_EQ(matched, literalMatched) << query;
            const auto slots = selectResults(fast, 5);
            const auto expected = Reference::select(literal, 5);
            ASSERT_EQ(slots.size(), expected.size()) << query;
            for (std::size_t i = 0; i < slots.size(); ++i)
                EXPECT_EQ(slots[i].entry - fast.entries.data(), expected[i].entry - literal.entries.data());
        }
    }
}
