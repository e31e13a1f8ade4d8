#include "base/legacy_text.h"
#include "latin1_code_page.h"

#include <gtest/gtest.h>

TEST(LegacyCodePageNumber, OnlyAUtf8ProcessReadsTheSystemLocalesCodePage)
{
    EXPECT_EQ(legacyCodePageNumber(65001, 1252), 1252u);
    EXPECT_EQ(legacyCodePageNumber(65001, 932), 932u);
    EXPECT_EQ(legacyCodePageNumber(1252, 1252), 0u); // the manifest was not honoured
    EXPECT_EQ(legacyCodePageNumber(932, 1252), 0u);
    EXPECT_EQ(legacyCodePageNumber(65001, 65001), 0u); // the system itself speaks UTF-8
    EXPECT_EQ(legacyCodePageNumber(65001, 0), 0u);    // the system did not say
}

TEST(TextFromDataFile, WellFormedUtf8StaysAndAnythingElseIsReadInTheLegacyCodePage)
{
    const struct {
        const char* what;
        std::string stored;
        std::string read;
    } cases[] = {
        {"ascii", "C:\\Users\\Joe\\", "C:\\Users\\Joe\\"},
        {"utf-8 two bytes", "C:\\Users\\Jos\xC3\xA9\\", "C:\\Users\\Jos\xC3\xA9\\"},
        {"utf-8 cjk and emoji", "\xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80", "\xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80"},
        {"cp1252 letter", "C:\\Users\\Jos\xE9\\", "C:\\Users\\Jos\xC3\xA9\\"},
        {"cp1252 letter at the end", "Zo\xEB", "Zo\xC3\xAB"},
        {"overlong slash", "a\xC0\xAF", "a\xC3\x80\xC2\xAF"},
        {"overlong three bytes", "\xE0\x80\xAF", "\xC3\xA0\xC2\x80\xC2\xAF"},
        {"truncated sequence", "\xE6\x97", "\xC3\xA6\xC2\x97"},
        {"surrogate", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},
        {"past the last code point", "\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80"},
        {"one bad byte decodes the whole text", "\xC3\xA9\xE9", "\xC3\x83\xC2\xA9\xC3\xA9"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(textFromDataFile(c.stored), c.stored) << c.what << ": no legacy code page in use";
    Latin1CodePage latin1;
    for (const auto& c : cases)
        EXPECT_EQ(textFromDataFile(c.stored), c.read) << c.what;
}
