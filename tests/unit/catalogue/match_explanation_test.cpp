#include "catalogue/match_explanation.h"
#include "catalogue/matcher.h"

#include <gtest/gtest.h>

#include <random>

TEST(MatchExplanation, ShowsEveryTermOfAWorkedExample)
{
    CatalogueEntry entry;
    setName(entry, "Photo Album Viewer");
    entry.launchScore = 1;
    entry.directoryIndex = 0;
    std::vector<ScanDirectory> directories(1);
    directories[0].name = "Programs";
    directories[0].priority = 1;
    const MatchExplanation explanation = explainMatch(entry, "PAV", directories);
    ASSERT_TRUE(explanation.matched);
    EXPECT_EQ(explanation.total, 41 + 10 + 8);
    const std::vector<std::string> expected = {
        "launch score 1 x 10: +10",
        "directory 0 \"Programs\", priority 1: +8",
        "hit 'P' at 1: +2, +11 word start, +14 name start",
        "6 steps: -6",
        "hit 'A' at 7: +2, +11 word start",
        "6 steps: -6",
        "hit 'V' at 13: +2, +11 word start",
        "total 59",
    };
    EXPECT_EQ(explanation.lines, expected);
}

TEST(MatchExplanation, NothingForANonMatch)
{
    CatalogueEntry entry;
    setName(entry, "Photo");
    for (const char* query : {"", "X", "PX", "OP"}) {
        const MatchExplanation explanation = explainMatch(entry, query, {});
        EXPECT_FALSE(explanation.matched) << query;
        EXPECT_TRUE(explanation.lines.empty()) << query;
    }
}

TEST(MatchExplanation, AddsUpToTheMatchScore)
{
    std::mt19937 random(5);
    const std::string alphabet = "aAbBcCnN -.1";
    const std::vector<ScanDirectory> directories(3);
    for (int round = 0; round < 2000; ++round) {
        Catalogue catalogue;
        CatalogueEntry entry;
        std::string name(random() % 15, ' ');
        for (char& c : name)
            c = alphabet[random() % alphabet.size()];
        setName(entry, name);
        entry.launchScore = static_cast<std::int8_t>(static_cast<int>(random() % 15) - 4);
        entry.directoryIndex = static_cast<int>(random() % 5) - 1;
        appendEntry(catalogue, entry);
        std::string query(1 + random() % 3, ' ');
        for (char& c : query)
            c = static_cast<char>(toupper(static_cast<unsigned char>(alphabet[random() % alphabet.size()])));
        const bool matched = matchCatalogue(catalogue, query, directories) == 1;
        const MatchExplanation explanation = explainMatch(catalogue.entries[0], query, directories);
        ASSERT_EQ(explanation.matched, matched) << name << " / " << query;
        if (matched) {
            EXPECT_EQ(explanation.total, matchedEntries(catalogue)[0].score) << name << " / " << query;
        }
    }
}

TEST(MatchExplanation, NamesTheSearchKeyThatMatchedAndAddsUpToItsScore)
{
    struct Case { const char* name; const char* query; const char* keyLine; } cases[] = {
        {"微信 Setup", "WXS", "on the pinyin initials key \"w x Setup\""},
        {"微信 Setup", "WEIXIN", "on the pinyin key \"wei xin Setup\""},
        {"Café Racer", "CAFE", "on the folded name key \"Cafe Racer\""},
        {"카카오톡", "ㅋㅋㅇ", "on the Hangul initials key \"ㅋㅋㅇㅌ\""},
    };
    for (const Case& c : cases) {
        Catalogue catalogue;
        CatalogueEntry entry;
        setName(entry, c.name);
        entry.launchScore = 2;
        appendEntry(catalogue, entry);
        ASSERT_EQ(matchCatalogue(catalogue, c.query, {}), 1u) << c.query;
        const MatchExplanation explanation = explainMatch(entry, c.query, {});
        ASSERT_TRUE(explanation.matched) << c.query;
        EXPECT_EQ(explanation.total, matchedEntries(catalogue)[0].score) << c.query;
        EXPECT_EQ(explanation.lines[2], c.keyLine);
    }
}
