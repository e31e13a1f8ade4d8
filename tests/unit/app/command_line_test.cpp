#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* text;
    bool close;
    bool tour;
};

TEST(CommandLine, RecognisesOptionWordsOnly)
{
    const Case cases[] = {
        {"", false, false},
        {"/CLOSE", true, false},
        {"/close", true, false},
        {"/Tour", false, true},
        {"/tour /close", true, true},
        {"abc/close", true, false},      // a slash starts an option wherever it stands
        {"/CLOSEX", false, false},
        {"-close", false, false},
        {"close", false, false},
        {"/close\t/tour", false, false}, // a tab does not end the word
        {"\"/close\"", false, false},    // quotes belong to the word
        {"/", false, false},
        {"//close", false, false},     // the second slash belongs to the word
        {"/clo se", false, false},
    };
    for (const Case& c : cases) {
        CommandLineOptions options = parseCommandLine(c.text);
        EXPECT_EQ(options.closeRequested, c.close) << c.text;
        EXPECT_EQ(options.tourRequested, c.tour) << c.text;
    }
}

TEST(CommandLine, CloseAllClosesThisSessionsLauncherAndEveryOther)
{
    const CommandLineOptions all = parseCommandLine("/CloseAll");
    EXPECT_TRUE(all.closeRequested);
    EXPECT_TRUE(all.closeEverySession);
    EXPECT_FALSE(parseCommandLine("/close").closeEverySession);
    EXPECT_FALSE(parseCommandLine("/closeallx").closeRequested);
}

TEST(CommandLine, NullTextRequestsNothing)
{
    CommandLineOptions options = parseCommandLine(nullptr);
    EXPECT_FALSE(options.closeRequested);
    EXPECT_FALSE(options.tourRequested);
}

} // namespace
