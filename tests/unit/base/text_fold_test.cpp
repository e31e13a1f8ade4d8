#include "base/text_fold.h"

#include <gtest/gtest.h>

TEST(TextFold, FoldsCaseMarksWidthAndKanaWithoutALocale)
{
    struct Case { const char* text; const char* folded; } cases[] = {
        {"Straße", "Strasse"},             // ASCII stays as it is; ß is ss
        {"ẞ", "ss"},
        {"İstanbul", "istanbul"},          // the dot above is a mark, dropped
        {"ı", "ı"},                        // no Turkish rule: dotless i is a letter of its own
        {"ΣΟΦΟΣ σοφος", "σοφοσ σοφοσ"},    // final sigma folds with the others
        {"Résumé Ñandú \u00C5 \u212B", "Resume nandu a a"}, // the last is the angstrom sign
        {"e\xCC\x81", "e"},                // a combining accent typed on its own
        {"ＡＢＣ１　x", "ABC1 x"},          // full width, the ideographic space too
        {"ｶﾞｷﾞ ガギ がぎ", "かき かき かき"}, // half width, katakana, voiced marks
        {"Москва", "москва"},
        {"\xC9t\xE9", "\xC9t\xE9"},        // bytes that are not UTF-8 stand for themselves
    };
    for (const Case& c : cases)
        EXPECT_EQ(foldedText(c.text), c.folded) << c.text;
}

TEST(TextFold, HanReadingsAreEveryToneless)
{
    EXPECT_EQ(hanReadings(U'重'), "zhong chong tong");
    EXPECT_EQ(hanReadings(U'绿'), "lv"); // u-umlaut typed as v
    EXPECT_EQ(hanReadings(U'a'), "");
    EXPECT_EQ(hanReadings(U'카'), "");
    EXPECT_STRNE(foldDataVersion(), "");
}
