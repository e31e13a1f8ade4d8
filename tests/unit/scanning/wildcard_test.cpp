#include "scanning/wildcard.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// The rules written down literally (exponential in the number of stars): the reference
// that the bounded matcher must agree with on every input.
bool referencePatternList(const char* name, const char* list);

bool referencePattern(const char* name, const char* pattern)
{
    for (;;) {
        if (*pattern == '\0')
            return *name == '\0';
        if (*pattern == '*') {
            ++pattern;
            if (*pattern == '\0')
                return true;
            for (; *name != '\0'; ++name) {
                if (referencePatternList(name, pattern))
                    return true;
            }
            return false;
        }
        if (*name == '\0')
            return false;
        auto upper = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; };
        if (*pattern != '?' && upper(*pattern) != upper(*name))
            return false;
        ++pattern;
        ++name;
    }
}

bool referencePatternList(const char* name, const char* list)
{
    if (*list == '\0')
        return false;
    for (;;) {
        while (*list == ' ')
            ++list;
        const char* end = list;
        while (*end != '\0' && *end != ';')
            ++end;
        if (referencePattern(name, std::string(list, end).c_str()))
            return true;
        if (*end == '\0')
            return false;
        list = end + 1;
        if (*list == '\0')
            return false;
    }
}

struct Case {
    const char* name;
    const char* patterns;
    bool matches;
};

TEST(PatternList, FollowsTheListRules)
{
    const Case cases[] = {
        {"a.exe", "", false},              // an empty list matches nothing
        {"", "", false},
        {"a.com", " *.exe; *.com", true},  // blanks before each pattern are skipped
        {"a.exe", "*.exe ;*.com", false},  // trailing blanks belong to the pattern
        {"a.exe ", "*.exe ;*.com", true},
        {"abc", "A*", true},
        {"Setup.EXE", "*.exe;*.com;*.bat;*.msc;*.ico", true},
        {"x.ico", "*.exe;*.com;*.bat;*.msc;*.ico", true},
        {"", "a;;b", true},                // an empty pattern matches only the empty name
        {"c", "a;;b", false},
        {"b", "a;;b", true},
        {"a", "b;", false},                // the list ends right after the ';'
        {"", "b;", false},
        {"", "   ", true},                 // only blanks: an empty pattern
        {"x", "   ", false},
        {"C:\\Program Files\\Foo\\unins000.exe", "*unins*;*unvise*", true},
        {"C:\\Program Files\\Foo\\foo.exe", "*unins*;*unvise*", false},
        {"readme.txt", ";*.txt", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matchPatternList(c.name, c.patterns), c.matches) << c.name << " / " << c.patterns;
}

TEST(Pattern, IsAnchoredAndFoldsAsciiCaseOnly)
{
    const Case cases[] = {
        {"setup.EXE", "*.exe", true},
        {"setup.exe.bak", "*.exe", false},
        {"abc", "a?c", true},
        {"ABC", "a?c", true},
        {"ac", "a?c", false},
        {"abcd", "a?c", false},
        {"", "*", true},
        {"anything", "*", true},
        {"a", "a**", false},     // a star followed by more pattern needs a character
        {"ab", "a**", true},
        {"", "*x", false},
        {"x", "*x", true},
        {"a.exe", "* .exe", true}, // blanks after a star are skipped
        {"a.exe", "*  * .exe", true},
        {"a .exe", "a .exe", true}, // blanks elsewhere are literal
        {"a.exe", "a .exe", false},
        {"x", "* ", false},
        {"\xe4pfel", "\xc4pfel", false}, // no folding beyond a-z
        {"\xe4pfel", "\xe4PFEL", true},
        {"a;b", "a;b", true},       // before any star a ';' is an ordinary character
        {"xb", "*a;b", true},       // after a star the rest is split as a list
        {"xa", "*a;b", true},
        {"", "", true},
        {"a", "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(matchPattern(c.name, c.patterns), c.matches) << c.name << " / " << c.patterns;
}

TEST(Pattern, AQuestionMarkTakesOneWholeCharacter)
{
    const Case cases[] = {
        {"\xE6\x97\xA5.txt", "?.txt", true},
        {"\xE6\x97\xA5\xE6\x9C\xAC.txt", "?.txt", false},
        {"\xE6\x97\xA5\xE6\x9C\xAC.txt", "??.txt", true},
        {"\xF0\x9F\x98\x80", "?", true},
        {"\xF0\x9F\x98\x80", "??", false},
        {"\xE6\x97\xA5x", "*??x", false}, // a star resumes only where a character starts
        {"\xC3\xA9\xE6\x97\xA5x", "*??x", true},
        {"\xE6\x97\xA5x", "*?;*??x", true},
        {"\xE9t\xE9", "?t?", true}, // bytes that are not UTF-8 are characters of their own
    };
    for (const Case& c : cases) {
        EXPECT_EQ(matchPattern(c.name, c.patterns), c.matches) << c.name << " / " << c.patterns;
        EXPECT_EQ(matchPatternList(c.name, c.patterns), c.matches) << c.name << " / " << c.patterns;
    }
}

std::string randomText(std::mt19937& random, const std::string& alphabet, std::size_t maxLength)
{
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string text(length(random), ' ');
    for (char& c : text)
        c = alphabet[pick(random)];
    return text;
}

TEST(Pattern, AgreesWithTheLiteralRulesOnRandomInput)
{
    std::mt19937 random(20240611);
    const std::string nameAlphabet = "aAb. ;";
    const std::string patternAlphabet = "aAb.*? ;";
    for (int round = 0; round < 40000; ++round) {
        const std::string name = randomText(random, nameAlphabet, 7);
        const std::string patterns = randomText(random, patternAlphabet, 9);
        ASSERT_EQ(matchPatternList(name, patterns), referencePatternList(name.c_str(), patterns.c_str()))
            << "list '" << patterns << "' name '" << name << "'";
        ASSERT_EQ(matchPattern(name, patterns), referencePattern(name.c_str(), patterns.c_str()))
            << "pattern '" << patterns << "' name '" << name << "'";
    }
}

TEST(Pattern, ManyStarsAgainstALongNameFinishQuickly)
{
    // Taken literally this would try far more than 10^15 splits; the result must still come.
    const std::string name(250, 'a');
    EXPECT_FALSE(matchPattern(name, "*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*b"));
    EXPECT_FALSE(matchPatternList(name, "*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*b;*a*a*a*a*a*a*a*c"));
    EXPECT_TRUE(matchPatternList(name + "b", "*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*b"));
}

} // namespace
