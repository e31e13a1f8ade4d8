#include "catalogue/matcher.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>

// For comparing lists of ranked entries.
bool operator==(const RankedEntry& a, const RankedEntry& b)
{
    return a.place == b.place && a.score == b.score;
}

std::ostream& operator<<(std::ostream& out, const RankedEntry& ranked)
{
    return out << ranked.place << ":" << ranked.score;
}

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
    const std::vector<RankedEntry> matched = matchedEntries(catalogue);
    EXPECT_EQ(matched.size(), 1u);
    return matched.empty() ? -2000 : matched[0].score;
}

// Runs the parts last to first, as if a busy machine had left the first ones waiting.
class BackwardsPool : public WorkerPool {
public:
    explicit BackwardsPool(std::size_t threads) : threads_(threads) {}
    std::size_t threadCount() const override { return threads_; }
    void runParts(std::size_t parts, PartFunction function, void* context) override
    {
        for (std::size_t part = parts; part-- > 0;)
            function(context, part);
    }

private:
    std::size_t threads_;
};

// Cuts even a small catalogue into slices, matched by real threads or in reverse order.
void cutIntoSlices(Catalogue& catalogue, std::mt19937& random)
{
    static BackwardsPool backwards(3);
    catalogue.matchIndex.pool = random() % 2 ? &backwards : &machineWorkerPool();
    catalogue.matchIndex.smallestSlice = 1 + random() % 40;
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

// The ranking exactly as first described: a literal walk and `capacity` selection passes, with
// the marks of every entry in a list of their own.
struct Reference {
    struct Mark {
        bool matched = false;
        std::int16_t score = 0;
    };
    std::vector<Mark> marks;

    static bool upperEquals(char c, char q) { return (c >= 'a' && c <= 'z' ? c - 32 : c) == q; }
    // A byte of a character other than ASCII counts as a letter.
    static bool letter(char c)
    {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0x80;
    }

    void match(const Catalogue& catalogue, const std::string& query, const std::vector<ScanDirectory>& dirs)
    {
        const std::uint32_t qmask = computeCharMask(query.c_str());
        marks.assign(catalogue.entries.size(), Mark());
        for (std::size_t i = 0; i < catalogue.entries.size(); ++i) {
            const CatalogueEntry& e = catalogue.entries[i];
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
                    marks[i].matched = true;
                    marks[i].score = static_cast<std::int16_t>(s);
                    break;
                }
                s -= 1;
                ++p;
            }
        }
    }

    std::vector<RankedEntry> select(std::size_t capacity)
    {
        std::size_t m = 0;
        for (const Mark& mark : marks)
            m += mark.matched ? 1 : 0;
        std::vector<RankedEntry> slots;
        for (std::size_t round = 0; round < std::min(m, capacity); ++round) {
            std::int32_t best = -999999999;
            std::size_t pick = 0;
            for (std::size_t i = 0; i < marks.size(); ++i) {
                if (marks[i].matched && marks[i].score > best) {
                    best = marks[i].score;
                    pick = i;
                }
            }
            slots.push_back(RankedEntry{static_cast<std::uint32_t>(pick), marks[pick].score});
            marks[pick].matched = false;
        }
        return slots;
    }

    std::vector<RankedEntry> matched() const
    {
        std::vector<RankedEntry> list;
        for (std::size_t i = 0; i < marks.size(); ++i) {
            if (marks[i].matched)
                list.push_back(RankedEntry{static_cast<std::uint32_t>(i), marks[i].score});
        }
        return list;
    }
};

std::vector<RankedEntry> rankedOf(const Catalogue& catalogue, const std::vector<ResultSlot>& slots)
{
    std::vector<RankedEntry> ranked;
    for (const ResultSlot& slot : slots) {
        EXPECT_EQ(slot.iconPosted, 0);
        ranked.push_back(RankedEntry{static_cast<std::uint32_t>(slot.entry - catalogue.entries.data()), slot.score});
    }
    return ranked;
}

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
    }
    EXPECT_EQ(matchedEntries(catalogue), (std::vector<RankedEntry>{{0, 2 + 7}})); // only the one not taken
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
    EXPECT_EQ(matchedEntries(catalogue).size(), 1u);
    EXPECT_EQ(matchCatalogue(catalogue, "Q", {}), 0u);
    EXPECT_TRUE(matchedEntries(catalogue).empty()); // a new pass clears the old marks
    EXPECT_TRUE(selectResults(catalogue, 5).empty());
    matchCatalogue(catalogue, "N", {});
    appendEntry(catalogue, catalogue.entries[0]);
    EXPECT_TRUE(selectResults(catalogue, 5).empty()); // marks of an earlier catalogue are no marks
}

TEST(Selection, SameSlotsAsTheLiteralRankingOnRandomCatalogues)
{
    std::mt19937 random(20240601);
    const std::string alphabet = "aAbBcCdeEfnNoOpPsStT .-_019xyz\xC9\xE9@[`{";
    const auto directories = directoriesWithPriorities({-2, 2, 0, 1, -1, 5});
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> names(1 + random() % 400);
        for (std::string& name : names) {
            name.resize(random() % 40);
            for (char& c : name)
                c = alphabet[random() % alphabet.size()];
        }
        Catalogue fast = catalogueOf(names);
        for (CatalogueEntry& entry : fast.entries) {
            entry.launchScore = static_cast<std::int8_t>(static_cast<int>(random() % 15) - 4);
            entry.directoryIndex = static_cast<int>(random() % 9) - 1;
        }
        cutIntoSlices(fast, random);
        std::string query(1 + random() % 5, ' ');
        for (char& c : query)
            c = toupper(static_cast<unsigned char>(alphabet[random() % alphabet.size()]));
        const std::size_t capacity = random() % 30;

        Reference literal;
        literal.match(fast, query, directories);
        ASSERT_EQ(matchCatalogue(fast, query, directories), literal.matched().size()) << query;
        ASSERT_EQ(matchedEntries(fast), literal.matched()) << query;
        // A second selection takes up where the first stopped.
        for (int selection = 0; selection < 2; ++selection) {
            const std::vector<RankedEntry> expected = literal.select(capacity);
            ASSERT_EQ(rankedOf(fast, selectResults(fast, capacity)), expected) << query << " " << capacity;
        }
        ASSERT_EQ(matchedEntries(fast), literal.matched());
    }
}

TEST(Selection, TypingOnEditingAndChangingTheCatalogueRankLikeFreshPasses)
{
    std::mt19937 random(77);
    const std::string alphabet = "aAbBnNoOpP .-1";
    auto directories = directoriesWithPriorities({1, -1});
    for (int round = 0; round < 100; ++round) {
        std::vector<std::string> names(1 + random() % 200);
        for (std::string& name : names) {
            name.resize(random() % 16);
            for (char& c : name)
                c = alphabet[random() % alphabet.size()];
        }
        Catalogue fast = catalogueOf(names);
        cutIntoSlices(fast, random);
        std::string query;
        for (int keystroke = 0; keystroke < 14; ++keystroke) {
            const int action = static_cast<int>(random() % 12);
            if (action < 6 || query.empty())
                query += static_cast<char>(toupper(static_cast<unsigned char>(alphabet[random() % alphabet.size()])));
            else if (action < 8)
                query.pop_back(); // backspace
            else if (action == 8)
                hideEntry(fast, fast.entries[random() % fast.entries.size()]);
            else if (action == 9)
                recordLaunch(fast, fast.entries[random() % fast.entries.size()]);
            else if (action == 10)
                directories[random() % 2].priority = static_cast<std::int8_t>(static_cast<int>(random() % 5) - 2);
            else
                appendEntry(fast, catalogueOf({"NoBn.a"}).entries[0]);
            Reference literal;
            literal.match(fast, query, directories);
            ASSERT_EQ(matchCatalogue(fast, query, directories), literal.matched().size()) << query;
            ASSERT_EQ(matchedEntries(fast), literal.matched()) << query;
            const std::size_t capacity = random() % 8;
            ASSERT_EQ(rankedOf(fast, selectResults(fast, capacity)), literal.select(capacity)) << query;
        }
    }
}

TEST(Selection, BackspacingThroughALongQueryRanksLikeFreshPasses)
{
    std::mt19937 random(5);
    std::vector<std::string> names(300);
    for (std::string& name : names) {
        name.resize(10 + random() % 30);
        for (char& c : name)
            c = "aAbB -"[random() % 6];
    }
    Catalogue fast = catalogueOf(names);
    cutIntoSlices(fast, random);
    const std::string typed = "ABABBAABABBA"; // longer than the passes kept
    std::vector<std::string> queries;
    for (std::size_t length = 1; length <= typed.size(); ++length)
        queries.push_back(typed.substr(0, length));
    for (std::size_t length = typed.size() - 1; length >= 1; --length)
        queries.push_back(typed.substr(0, length));
    for (const std::string& query : queries) {
        Reference literal;
        literal.match(fast, query, {});
        ASSERT_EQ(matchCatalogue(fast, query, {}), literal.matched().size()) << query;
        ASSERT_EQ(rankedOf(fast, selectResults(fast, 3)), literal.select(3)) << query;
        ASSERT_EQ(matchedEntries(fast), literal.matched()) << query;
    }
}
