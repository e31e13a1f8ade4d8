#include "names_ranking.h"

#include "catalogue/matcher.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using Ranking = std::vector<std::pair<std::string, int>>;

Ranking rankingOf(Catalogue& catalogue, const std::string& query, std::size_t limit)
{
    matchCatalogue(catalogue, query, {});
    Ranking ranking;
    for (const ResultSlot& slot : selectResults(catalogue, limit))
        ranking.emplace_back(slot.entry->path, slot.score);
    return ranking;
}

ScoreStore scoresFor(const std::vector<std::pair<std::string, int>>& records)
{
    ScoreStore store;
    for (const auto& [path, score] : records) {
        store.buckets[computePathHash(path) & 15].push_back(store.records.size());
        store.records.push_back(ScoreRecord{path, static_cast<std::int8_t>(score), computePathHash(path)});
    }
    return store;
}

} // namespace

TEST(NamesFile, LinesBecomeEntriesOfNoDirectory)
{
    Catalogue catalogue;
    appendNames("Photo Album\r\n\nNotepad\n\r\nlast line", scoresFor({{"Notepad", 3}}), catalogue);
    ASSERT_EQ(catalogue.entries.size(), 3u);
    EXPECT_EQ(catalogue.entries[0].name, "Photo Album");
    EXPECT_EQ(catalogue.entries[1].path, "Notepad");
    EXPECT_EQ(catalogue.entries[1].launchScore, 3);
    EXPECT_EQ(catalogue.entries[2].name, "last line");
    for (const CatalogueEntry& entry : catalogue.entries) {
        EXPECT_EQ(entry.directoryIndex, -1);
        EXPECT_EQ(entry.charMask, computeCharMask(entry.name.c_str()));
    }
}

TEST(NamesFile, TheLineWalkRanksExactlyLikeTheWholeFile)
{
    std::mt19937 random(99);
    // Whole characters beyond ASCII make lines with search keys; a stray byte, one without.
    const std::vector<std::string> alphabet = {"a", "A", "b", "B", "n", "N", "o", "O", "p", "P", "t", "T", " ", ".",
                                               "-", "9", "\r", "\xC3\xA9", "\xE9\x87\x8D", "\xD0\x96", "\xEC\xB9\xB4", "\xC3"};
    const std::size_t asciiCharacters = 17;
    for (int round = 0; round < 300; ++round) {
        std::string bytes;
        std::vector<std::pair<std::string, int>> scored;
        const int lines = static_cast<int>(random() % 300);
        for (int i = 0; i < lines; ++i) {
            // Mostly short lines; some about as long as a wide walk reads, some over many blocks.
            const std::size_t lengths[] = {random() % 12, 28 + random() % 8, random() % 150};
            std::string line;
            const bool beyondAscii = random() % 4 == 0;
            for (std::size_t c = lengths[random() % 3]; c > 0; --c) {
                const std::size_t choices = beyondAscii ? alphabet.size() : asciiCharacters;
                line += random() % 200 == 0 ? std::string(1, '\0') : alphabet[random() % choices];
            }
            if (random() % 10 == 0 && !line.empty() && line.back() != '\r')
                scored.emplace_back(line, static_cast<int>(random() % 15) - 4);
            bytes += line + (random() % 2 ? "\n" : "\r\n");
        }
        if (random() % 2)
            bytes += "tail";
        const ScoreStore scores = scoresFor(scored);
        std::string query(1 + random() % 5, ' ');
        for (char& c : query)
            c = static_cast<char>(toupper(static_cast<unsigned char>(alphabet[random() % asciiCharacters][0])));
        const std::size_t limit = random() % 25;

        Catalogue whole;
        appendNames(bytes, scores, whole);
        const Ranking expected = rankingOf(whole, query, limit);
        NamesText text;
        copyNamesText(bytes, text);
        InlineWorkerPool onePart;
        for (std::size_t smallestPart : {SmallestNamesPart, std::size_t{1} + random() % 64}) {
            WorkerPool& pool = smallestPart == SmallestNamesPart ? static_cast<WorkerPool&>(onePart) : machineWorkerPool();
            Ranking ranked;
            for (const RankedName& name : rankNames(text, query, limit, scores, pool, smallestPart))
                ranked.emplace_back(name.name, name.score);
            ASSERT_EQ(ranked, expected) << query << " " << limit << " " << smallestPart;
        }
    }
}
