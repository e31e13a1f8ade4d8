#include "settings/first_run.h"

#include <map>

#include <gtest/gtest.h>

#include "settings/first_run_file.h"
#include "settings/settings_file.h"

namespace {

class FakeSpecialFolders : public SpecialFolders {
public:
    std::map<SpecialFolder, std::string> paths;
    std::string pathOf(SpecialFolder folder) const override
    {
        auto found = paths.find(folder);
        return found == paths.end() ? std::string() : found->second;
    }
};

FirstRunNames englishNames()
{
    FirstRunNames names;
    names.filesAndFolders = "Files and folders";
    names.filesOnly = "Files only";
    names.applicationsOnly = "Applications only";
    names.documents = "Your documents";
    names.startMenu = "Your start menu";
    names.commonStartMenu = "Common start menu";
    names.favorites = "Your favorites";
    names.desktop = "Your desktop";
    names.commonDesktop = "Common desktop";
    return names;
}

FakeSpecialFolders allSixFolders()
{
    FakeSpecialFolders folders;
    folders.paths = {
        {SpecialFolder::Documents, "C:\\U\\Docs"},
        {SpecialFolder::StartMenu, "C:\\U\\Start Menu"},
        {SpecialFolder::CommonStartMenu, "C:\\All\\Start Menu"},
        {SpecialFolder::Favorites, "C:\\U\\Favorites\\"},
        {SpecialFolder::Desktop, "C:\\U\\Desktop"},
        {SpecialFolder::CommonDesktop, "C:\\All\\Desktop"},
    };
    return folders;
}

TEST(FirstRun, ThreeDefinitionsWithFreshIds)
{
    Settings settings;
    addFirstRunDefaults(settings, FakeSpecialFolders(), englishNames());
    ASSERT_EQ(settings.definitions.size(), 3u);
    EXPECT_EQ(settings.global.NextScanID, 3);
    const struct {
        std::int32_t id;
        const char* name;
        const char* include;
        const char* exclude;
        std::int32_t flags;
    } expected[] = {
        {0, "Files and folders", "*", "*.inf;*.ini;*.db", 1},
        {1, "Files only", "*", "*.inf;*.ini;*.db", 0},
        {2, "Applications only", "*.exe;*.com;*.bat;*.msc;*.ico", "*unins*;*unvise*", 0},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(settings.definitions[i].id, expected[i].id);
        EXPECT_EQ(settings.definitions[i].name, expected[i].name);
        EXPECT_EQ(settings.definitions[i].include, expected[i].include);
        EXPECT_EQ(settings.definitions[i].exclude, expected[i].exclude);
        EXPECT_EQ(settings.definitions[i].flags, expected[i].flags);
    }
    EXPECT_TRUE(settings.directories.empty()); // no folder named, none added
}

TEST(FirstRun, SixDirectoriesInOrderWithTheirDefinitions)
{
    Settings settings;
    addFirstRunDefaults(settings, allSixFolders(), englishNames());
    const struct {
        const char* path;
        std::int32_t definitionId;
        const char* name;
    } expected[] = {
        {"C:\\U\\Docs\\", 0, "Your documents"},
        {"C:\\U\\Start Menu\\", 2, "Your start menu"},
        {"C:\\All\\Start Menu\\", 2, "Common start menu"},
        {"C:\\U\\Favorites\\", 1, "Your favorites"},
        {"C:\\U\\Desktop\\", 0, "Your desktop"},
        {"C:\\All\\Desktop\\", 0, "Common desktop"},
    };
    ASSERT_EQ(settings.directories.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        const ScanDirectory& directory = settings.directories[i];
        EXPECT_EQ(directory.path, expected[i].path);
        EXPECT_EQ(directory.definitionId, expected[i].definitionId);
        EXPECT_EQ(directory.name, expected[i].name);
        EXPECT_EQ(directory.flags, Recursive);
        EXPECT_EQ(directory.priority, 0);
    }
}

TEST(FirstRun, MissingFolderIsLeftOutKeepingTheOrder)
{
    FakeSpecialFolders folders = allSixFolders();
    folders.paths.erase(SpecialFolder::CommonStartMenu);
    Settings settings;
    addFirstRunDefaults(settings, folders, englishNames());
    ASSERT_EQ(settings.directories.size(), 5u);
    EXPECT_EQ(settings.directories[1].name, "Your start menu");
    EXPECT_EQ(settings.directories[2].name, "Your favorites");
    EXPECT_EQ(settings.definitions.size(), 3u);
}

TEST(FirstRun, WritesTheDocumentedFirstRunFile)
{
    FakeSpecialFolders folders;
    folders.paths = {
        {SpecialFolder::Documents, "C:\\Profiles\\User\\My Documents"},
        {SpecialFolder::StartMenu, "C:\\Profiles\\User\\Start Menu"},
    };
    Settings settings;
    addFirstRunDefaults(settings, folders, englishNames());
    EXPECT_EQ(formatSettingsText(settings), FirstRunFile);
}

} // namespace
