#include "scanning/displayed_name.h"

#include <gtest/gtest.h>

namespace {

TEST(DisplayedName, CutsAtTheLastDotUnlessExtensionsAreShown)
{
    struct Case {
        const char* fileName;
        const char* hidden;
    };
    const Case cases[] = {
        {"Setup.Wizard.exe", "Setup.Wizard"},
        {"readme", "readme"},
        {".profile", ".profile"}, // the first character is never examined
        {"..x", "."},
        {"a.", "a"},
        {"Internet Explorer.lnk", "Internet Explorer"},
        {"Tools 2.0", "Tools 2"},
        {"a.b\\c", "a.b\\c"},     // a dot before a separator is no extension
        {"x.y:z", "x.y:z"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(displayedName(c.fileName, false), c.hidden) << c.fileName;
        EXPECT_EQ(displayedName(c.fileName, true), c.fileName) << c.fileName;
    }
}

} // namespace
