#include "catalogue/search_keys.h"

#include "base/utf8.h"
#include "catalogue/key_walk.h"
#include "catalogue/matcher.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>

namespace {

std::vector<std::string> keyTexts(const std::string& name, SearchKeyKind kind)
{
    std::vector<std::string> texts;
    for (const SearchKey& key : searchKeysOf(name)) {
        if (key.kind == kind)
            texts.push_back(key.text);
    }
    return texts;
}

Catalogue catalogueOf(const std::vector<std::string>& names)
{
    Catalogue catalogue;
    for (const std::string& name : names) {
        CatalogueEntry entry;
        setName(entry, name);
        catalogue.entries.push_back(entry);
    }
    noteCatalogueChanged(catalogue);
    return catalogue;
}

std::vector<std::string> rankedNames(const std::vector<std::string>& names, const std::string& query)
{
    Catalogue catalogue = catalogueOf(names);
    matchCatalogue(catalogue, query, {});
    std::vector<std::string> ranked;
    for (const ResultSlot& slot : selectResults(catalogue, names.size()))
        ranked.push_back(slot.entry->name + ":" + std::to_string(slot.score));
    return ranked;
}

} // namespace

TEST(SearchKeys, EveryReadingAsSyllablesAndInitials)
{
    const std::string b(1, ReadingBreak);
    EXPECT_EQ(keyTexts("重启", SearchKeyKind::Folded), std::vector<std::string>{"重启"});
    EXPECT_EQ(keyTexts("重启", SearchKeyKind::Syllables),
              (std::vector<std::string>{"zhong" + b + "qi" + b, "chong" + b + "qi" + b, "tong" + b + "qi" + b}));
    EXPECT_EQ(keyTexts("重启", SearchKeyKind::Initials),
              (std::vector<std::string>{"z" + b + "q" + b, "c" + b + "q" + b, "t" + b + "q" + b}));
    EXPECT_EQ(keyTexts("微信 Setup", SearchKeyKind::Initials),
              (std::vector<std::string>{"w" + b + "x" + b + " Setup", "w" + b + "s" + b + " Setup"})); // xin, shen
    EXPECT_EQ(keyTexts("카카오톡 PC", SearchKeyKind::Hangul), std::vector<std::string>{"ㅋㅋㅇㅌ PC"});
    EXPECT_TRUE(searchKeysOf("Internet Explorer").empty());
    EXPECT_TRUE(searchKeysOf("Caf\xE9").empty()); // not UTF-8: the bytes are walked as ever
}

TEST(SearchKeys, ALongNameOfManyReadingsStaysWithinTheBounds)
{
    std::string name;
    for (int k = 0; k < 220; ++k)
        name += k % 2 ? "重" : "行"; // three and four readings each
    const std::vector<SearchKey> keys = searchKeysOf(name);
    EXPECT_LE(keys.size(), 2 + 2 * MostReadingCombinations);
    for (const SearchKey& key : keys) {
        EXPECT_LE(key.text.size(), MostKeyBytes);
        EXPECT_TRUE(isValidUtf8(key.text));
    }
}

TEST(SearchKeys, QueriesFindNamesInEveryScript)
{
    const std::vector<std::string> names = {"Café Racer", "Résumé", "Москва", "微信 Setup", "重启", "카카오",
                                            "ＡＢＣ", "ｶﾀｶﾅ", "Straße", "İDM", "ΣΟΦΟΣ"};
    struct Case { const char* query; const char* found; } cases[] = {
        {"CAFE", "Café Racer"}, {"RESUME", "Résumé"}, {"москва", "Москва"}, {"МОСКВА", "Москва"},
        {"WEIXIN SETUP", "微信 Setup"}, {"WX SETUP", "微信 Setup"}, {"WXS", "微信 Setup"}, {"CHONGQI", "重启"},
        {"ZQ", "重启"}, {"CQ", "重启"}, {"ㅋㅋㅇ", "카카오"}, {"카카", "카카오"}, {"ABC", "ＡＢＣ"},
        {"かたかな", "ｶﾀｶﾅ"}, {"STRASSE", "Straße"}, {"IDM", "İDM"}, {"σοφος", "ΣΟΦΟΣ"}, {"微", "微信 Setup"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> ranked = rankedNames(names, c.query);
        ASSERT_FALSE(ranked.empty()) << c.query;
        EXPECT_EQ(ranked[0].substr(0, ranked[0].rfind(':')), c.found) << c.query;
    }
}

TEST(SearchKeys, TypingACharacterByteByByteFindsWhatAFreshPassFinds)
{
    // The query's first bytes alone are a stray byte that no key holds: typed on from, their
    // empty marks would hide the name the whole character finds.
    Catalogue catalogue = catalogueOf({"ノート", "Note"});
    const std::string query = "ノ";
    for (std::size_t length = 1; length <= query.size(); ++length)
        matchCatalogue(catalogue, query.substr(0, length), {});
    EXPECT_EQ(matchCatalogue(catalogue, query, {}), 1u);
}

TEST(SearchKeys, OwnLettersRankAboveAnEqualPhoneticMatch)
{
    // Each reading begins a word, as each word of "wei xin" does; the phonetic key costs one.
    EXPECT_EQ(rankedNames({"微信", "wei xin"}, "WEIXIN"), (std::vector<std::string>{"wei xin:42", "微信:41"}));
    // A folded key scores as the same ASCII name would.
    EXPECT_EQ(rankedNames({"Setup 微信", "Setup"}, "SETUP"), (std::vector<std::string>{"Setup 微信:31", "Setup:31"}));
}

namespace {

std::vector<std::string> charactersOf(const std::string& text)
{
    std::vector<std::string> characters;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = std::max<std::size_t>(1, decodeUtf8(std::string_view(text).substr(at)).length);
        characters.push_back(text.substr(at, length));
        at += length;
    }
    return characters;
}

// Every character other than ASCII, and a stray byte, counts as a letter.
bool letter(const std::string& c) { return c.size() > 1 || std::isalpha(static_cast<unsigned char>(c[0])) || c[0] < 0; }

// A key walked as first described, on lists of characters.
bool referenceWalk(const std::string& keyText, const std::string& query, int& score)
{
    const std::vector<std::string> key = charactersOf(keyText), wanted = charactersOf(query);
    auto equal = [](const std::string& k, const std::string& q) {
        return k.size() == 1 && q.size() == 1 ? std::toupper(static_cast<unsigned char>(k[0])) == q[0] : k == q;
    };
    std::size_t p = 0;
    score = 0;
    for (std::size_t q = 0; q < wanted.size(); ++q) {
        while (p < key.size() && !equal(key[p], wanted[q])) {
            score -= q > 0 ? 1 : 0;
            ++p;
        }
        if (p == key.size())
            return false;
        const bool wordStart = p == 0 || !letter(key[p - 1]);
        const bool camel = !wordStart && std::isupper(static_cast<unsigned char>(key[p][0])) &&
                           std::islower(static_cast<unsigned char>(key[p - 1][0])) && key[p - 1].size() == 1;
        score += (p == 0 ? 14 : 0) + 2 + (wordStart ? 11 : camel ? 7 : 0);
        if (q + 1 < wanted.size()) {
            ++p;
            score -= 1;
        }
    }
    return true;
}

using Matches = std::vector<std::pair<std::uint32_t, std::int32_t>>;

Matches pairsOf(const std::vector<RankedEntry>& ranked)
{
    Matches pairs;
    for (const RankedEntry& entry : ranked)
        pairs.emplace_back(entry.place, entry.score);
    return pairs;
}

Matches referenceMatches(const std::vector<std::string>& names, const std::string& upperQuery)
{
    const std::string query = foldedQuery(upperQuery);
    Matches matched;
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::vector<SearchKey> keys = searchKeysOf(names[i]);
        if (keys.empty())
            keys.push_back(SearchKey{SearchKeyKind::Folded, names[i]});
        bool any = false;
        int best = 0;
        for (const SearchKey& key : keys) {
            int score = 0;
            if (!referenceWalk(key.text, query, score))
                continue;
            score -= isPhoneticKey(key.kind) ? 1 : 0;
            best = any ? std::max(best, score) : score;
            any = true;
        }
        if (any)
            matched.emplace_back(static_cast<std::uint32_t>(i), best);
    }
    return matched;
}

} // namespace

TEST(SearchKeys, MatcherAgreesWithAReferenceWalkOnMixedScripts)
{
    std::mt19937 random(20261208);
    const std::vector<std::string> ascii = {"a", "B", "e", "s", "x", "Q", "z", "c", "t", " ", "-"};
    const std::vector<std::string> other = {"É", "é", "ß", "Σ", "ς", "м", "М", "ア", "あ", "ｱ", "重", "启", "行", "카", "ㅋ", "Ｓ"};
    for (int round = 0; round < 200; ++round) {
        std::vector<std::string> names(1 + random() % 200);
        for (std::string& name : names) {
            const bool plain = random() % 4 == 0;
            for (std::size_t k = random() % 12; k > 0; --k) {
                const std::vector<std::string>& from = plain || random() % 2 ? ascii : other;
                name += from[random() % from.size()];
            }
        }
        KeyLetterMemory memory;
        for (const std::string& name : names) {
            std::uint32_t keyLetters = 0;
            for (const SearchKey& key : searchKeysOf(name))
                keyLetters |= keySignature(key.text.c_str()).letters;
            std::uint32_t letters = 0;
            searchKeyLetters(name, memory, letters);
            ASSERT_EQ(keyLetters & ~letters, 0u) << name;
        }
        Catalogue catalogue = catalogueOf(names);
        catalogue.matchIndex.smallestSlice = 1 + random() % 40;
        std::string typed;
        for (std::size_t k = 1 + random() % 4; k > 0; --k) {
            const std::vector<std::string>& from = random() % 2 ? ascii : other;
            typed += from[random() % from.size()];
            std::string upper = typed;
            for (char& c : upper)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)) & 0xFF);
            matchCatalogue(catalogue, upper, {});
            ASSERT_EQ(pairsOf(matchedEntries(catalogue)), referenceMatches(names, upper)) << upper;
        }
    }
}
