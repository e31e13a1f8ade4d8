#include "configuration/user_interface_choices.h"

#include <gtest/gtest.h>

namespace {

TEST(RetryShown, ValuesAboveTheLimitShowAsTheLimit)
{
    EXPECT_EQ(retryShown(250), 200);
    EXPECT_EQ(retryShown(201), 200);
    EXPECT_EQ(retryShown(200), 200);
    EXPECT_EQ(retryShown(0), 0);
}

struct RetryTextCase {
    const char* text;
    int expected;
};

TEST(RetryFromText, ReadsTheFirstFourCharactersAsANumberWithinLimits)
{
    const RetryTextCase cases[] = {
        {"20", 20},
        {"0", 0},
        {"", 0},           // a cleared box
        {"abc", 0},        // not a number
        {"200", 200},
        {"201", 200},
        {"9999", 200},
        {"12345", 200},    // only "1234" is read
        {"00150000", 15},  // leading zeros count towards the four characters
        {"0000150", 0},    // "0000"
        {"-5", 0},
        {"12ab", 12},
        {" 7", 7},
    };
    for (const RetryTextCase& c : cases)
        EXPECT_EQ(retryFromText(c.text), c.expected) << '"' << c.text << '"';
}

struct ScrollCase {
    ScrollAction action;
    int position;
    int thumb;
    int expected;
};

TEST(TransparencyAfterScroll, StepsStopAtTheEndsAndThumbEventsCarryTheirPosition)
{
    const ScrollCase cases[] = {
        {ScrollAction::LineLeft, 10, 0, 0},
        {ScrollAction::LineLeft, 16, 0, 0},
        {ScrollAction::LineLeft, 17, 0, 1},
        {ScrollAction::PageLeft, 100, 0, 84},
        {ScrollAction::LineRight, 250, 0, 255},
        {ScrollAction::LineRight, 239, 0, 255},
        {ScrollAction::PageRight, 238, 0, 254},
        {ScrollAction::ThumbTrack, 100, 37, 37},
        {ScrollAction::ThumbPosition, 100, 255, 255},
        {ScrollAction::Left, 100, 0, 0},
        {ScrollAction::Right, 100, 0, 255},
        {ScrollAction::EndScroll, 123, 5, 123},
    };
    for (const ScrollCase& c : cases)
        EXPECT_EQ(transparencyAfterScroll(c.action, c.position, c.thumb), c.expected)
            << "action " << static_cast<int>(c.action) << " at " << c.position;
}

TEST(FadedAlpha, LosesOneStepPerTwoMillisecondsAndEndsAtOrBelowZero)
{
    EXPECT_EQ(fadedAlpha(255, 20), 245);
    EXPECT_EQ(fadedAlpha(255, 21), 245); // odd milliseconds round down
    EXPECT_EQ(fadedAlpha(255, 1), 255);
    EXPECT_LE(fadedAlpha(5, 20), 0);

    // An opaque preview is gone after about half a second of 20 ms ticks.
    int alpha = 255;
    int ticks = 0;
    while (alpha >= 1) {
        alpha = fadedAlpha(alpha, PreviewFadeTimerMs);
        ++ticks;
    }
    EXPECT_EQ(ticks, 26);
}

} // namespace
