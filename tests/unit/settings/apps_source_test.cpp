#include "settings/apps_source.h"

#include <gtest/gtest.h>

#include "settings/first_run_file.h"
#include "settings/settings_file.h"

namespace {

const char* const SourceName = "Apps without a shortcut";

Settings parsed(const std::string& text)
{
    Settings settings;
    parseSettingsText(text, settings);
    return settings;
}

std::string withText(std::string text, const std::string& from, const std::string& to)
{
    text.replace(text.find(from), from.size(), to);
    return text;
}

TEST(AppsSource, TheStoredLineIsAnOrdinaryDirectoryLineThatRoundTrips)
{
    const std::string text = withText(FirstRunFile, "[Directories]\r\n",
                                      "[Directories]\r\n\"shell:AppsFolder\\\"=-1,0,2,\"Apps without a shortcut\"\r\n");
    Settings settings = parsed(text);
    ASSERT_EQ(settings.directories.size(), 3u);
    const ScanDirectory& source = settings.directories[0];
    EXPECT_TRUE(isAppsSource(source));
    EXPECT_EQ(source.priority, 2);
    EXPECT_EQ(source.definitionId, AppsSourceDefinitionId);
    EXPECT_EQ(source.name, SourceName);
    EXPECT_EQ(findScanDefinition(settings.definitions, source.definitionId), nullptr);
    EXPECT_FALSE(isAppsSource(settings.directories[1]));
    EXPECT_EQ(formatSettingsText(settings), text);

    settings.directories[0].path = "SHELL:appsfolder\\";
    EXPECT_TRUE(isAppsSource(settings.directories[0]));
}

TEST(AppsSource, AnOlderFileGetsTheSourceOnceAndKeepsEveryLineItHad)
{
    Settings settings = parsed(FirstRunFile);
    offerAppsSource(settings, true, SourceName);
    const std::string written = formatSettingsText(settings);
    const std::string expected =
        withText(withText(FirstRunFile, "Your start menu\"\r\n",
                          "Your start menu\"\r\n\"shell:AppsFolder\\\"=-1,0,0,\"Apps without a shortcut\"\r\n"),
                 "GlobalScanFlags=9\r\n", "GlobalScanFlags=521\r\n");
    EXPECT_EQ(written, expected);

    // What an older launcher reads back, and so writes again, is the new file itself.
    EXPECT_EQ(formatSettingsText(parsed(written)), written);

    // Removed by the user: not offered again, also not after a round through the file.
    Settings removed = parsed(written);
    removed.directories.pop_back();
    Settings reread = parsed(formatSettingsText(removed));
    offerAppsSource(reread, true, SourceName);
    EXPECT_EQ(reread.directories.size(), 2u);
}

TEST(AppsSource, NotOfferedWithoutPackagedAppsNorTwiceBesideAHandWrittenLine)
{
    Settings settings = parsed(FirstRunFile);
    offerAppsSource(settings, false, SourceName);
    EXPECT_EQ(formatSettingsText(settings), FirstRunFile);

    Settings handWritten = parsed(withText(FirstRunFile, "[Directories]\r\n",
                                           "[Directories]\r\n\"shell:appsfolder\\\"=-1,0,-1,\"Mine\"\r\n"));
    offerAppsSource(handWritten, true, SourceName);
    ASSERT_EQ(handWritten.directories.size(), 3u);
    EXPECT_EQ(handWritten.directories[0].name, "Mine");
    EXPECT_NE(handWritten.global.GlobalScanFlags & AppsSourceOffered, 0);
}

} // namespace
