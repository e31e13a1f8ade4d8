#include "tour/tour_text.h"

#include <gtest/gtest.h>

namespace {

const ModifierWords Words{"Ctrl + ", "Alt + ", "Shift + ", "Windows + "};

TEST(HotkeyName, ModifiersComeInFixedOrderWhateverTheBits)
{
    struct Case {
        std::int32_t hotkey;
        const char* key;
        const char* expected;
    } cases[] = {
        {0x658, "X", "Ctrl + Alt + X"},
        {0x374, "F5", "Ctrl + Shift + F5"},
        {0xF41, "A", "Ctrl + Alt + Shift + Windows + A"},
        {0x841, "A", "Windows + A"},
        {0x041, "A", "A"},
        {0x300, "", "Ctrl + Shift + "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(buildHotkeyName(c.hotkey, Words, c.key), c.expected) << std::hex << c.hotkey;
}

TEST(HotkeyName, LongKeyNamesAreCutAndTheWholeNameStaysBounded)
{
    EXPECT_EQ(buildHotkeyName(0x200, Words, std::string(100, 'k')), "Ctrl + " + std::string(KeyNameLimit, 'k'));
    const ModifierWords wordy{std::string(100, 'c'), std::string(100, 'a'), "", ""};
    EXPECT_EQ(buildHotkeyName(0x658, wordy, "X").size(), HotkeyNameLimit);
}

TEST(ExpandTourText, PercentSequences)
{
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"Press %h now!", "Press Ctrl + Shift + F5 now!"},
        {"%H and %h", "Ctrl + Shift + F5 and Ctrl + Shift + F5"},
        {"100%% sure", "100% sure"},
        {"a%xb", "ab"},
        {"ends with %", "ends with "},
        {"%", ""},
        {"%%%h", "%Ctrl + Shift + F5"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(expandTourText(c.text, "Ctrl + Shift + F5"), c.expected) << c.text;
}

TEST(ExpandTourText, ResultIsLimitedEvenWhenTheHotkeyNameOverflowsIt)
{
    EXPECT_EQ(expandTourText(std::string(600, 'a'), "X").size(), TourTextLimit);
    const std::string longName(HotkeyNameLimit, 'n');
    std::string manyHotkeys;
    for (int i = 0; i < 10; ++i)
        manyHotkeys += "%h";
    const std::string expanded = expandTourText(manyHotkeys, longName);
    EXPECT_EQ(expanded, std::string(TourTextLimit, 'n'));
}

TEST(ExpandTourText, CutsNeverSplitACharacter)
{
    std::string text = std::string(TourTextLimit - 1, 'a') + "\xC3\xA9";
    EXPECT_EQ(expandTourText(text, "X"), std::string(TourTextLimit - 1, 'a'));
    text = std::string(TourTextLimit - 1, 'a') + "%h";
    EXPECT_EQ(expandTourText(text, "\xC3\x89" "chap"), std::string(TourTextLimit - 1, 'a'));
    EXPECT_EQ(buildHotkeyName(0, ModifierWords{}, std::string(KeyNameLimit - 1, 'k') + "\xE2\x86\x90"),
              std::string(KeyNameLimit - 1, 'k'));
}

} // namespace
