#include "scanning/packaged_apps.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "scanning/folder_walk.h"
#include "settings/apps_source.h"

namespace {

// The Start menu's "All apps" of a Windows 11 machine as the Applications folder lists it:
// packaged apps by their IDs, desktop programs by a path below a known folder or an ID of
// their own, one name the shell could not resolve and one outside any ANSI code page.
const std::vector<AppsFolderItem> Windows11Listing = {
    {"windows.immersivecontrolpanel_cw5n1h2txyewy!microsoft.windows.immersivecontrolpanel", "Settings"},
    {"Microsoft.WindowsCalculator_8wekyb3d8bbwe!App", "Calculator"},
    {"{6D809377-6AF0-444B-8957-A3773F02200E}\\Notepad++\\notepad++.exe", "Notepad++"},
    {"Microsoft.WindowsTerminal_8wekyb3d8bbwe!App", "Terminal"},
    {"MSEdge", "Microsoft Edge"},
    {"Microsoft.Windows.Explorer", "File Explorer"},
    {"Microsoft.WindowsNotepad_8wekyb3d8bbwe!App", "Notepad"},
    {"Microsoft.XboxGamingOverlay_8wekyb3d8bbwe!App", "ms-resource:AppDisplayName"},
    {"Microsoft.Paint_8wekyb3d8bbwe!App", "Paint"},
    {"Microsoft.ZuneMusic_8wekyb3d8bbwe!Microsoft.ZuneMusic", "\xE3\x83\xA1\xE3\x83\x87\xE3\x82\xA3\xE3\x82\xA2 "
                                                               "\xE3\x83\x97\xE3\x83\xAC\xE3\x83\xBC\xE3\x83\xA4\xE3\x83\xBC"},
    {"SpotifyAB.SpotifyMusic_zpdnekdrzrea0!Spotify", "Spotify"},
};

const std::size_t SourceIndex = 4;

std::vector<std::string> names(const Catalogue& catalogue)
{
    std::vector<std::string> result;
    for (const CatalogueEntry& entry : catalogue.entries)
        result.push_back(entry.name);
    return result;
}

TEST(PackagedApps, AWindows11ListingGivesItsPackagedAppsByTheirStartMenuNames)
{
    Catalogue catalogue;
    ScoreStore scores;
    addPackagedApps(catalogue, scores, SourceIndex, Windows11Listing);
    EXPECT_EQ(names(catalogue), (std::vector<std::string>{"Settings", "Calculator", "Terminal", "Notepad", "Paint",
                                                          Windows11Listing[9].displayName, "Spotify"}));
    const CatalogueEntry& settings = catalogue.entries[0];
    EXPECT_EQ(settings.path,
              "shell:AppsFolder\\windows.immersivecontrolpanel_cw5n1h2txyewy!microsoft.windows.immersivecontrolpanel");
    EXPECT_EQ(settings.directoryIndex, static_cast<std::int32_t>(SourceIndex));
    EXPECT_TRUE(isAppsFolderEntryPath(settings.path));
    EXPECT_FALSE(isAppsFolderEntryPath("C:\\shell:AppsFolder\\x_8wekyb3d8bbwe!App"));
    EXPECT_FALSE(isAppsFolderEntryPath("shell:AppsFolder\\"));
}

TEST(PackagedApps, ACataloguedShortcutOrAnEarlierItemWithTheSameIdCoversAnApp)
{
    Catalogue catalogue;
    CatalogueEntry shortcut;
    shortcut.path = "C:\\Users\\Ann\\Start Menu\\Programs\\SPOTIFY.lnk";
    setName(shortcut, "SPOTIFY");
    appendEntry(catalogue, shortcut);
    CatalogueEntry program; // a program of the same name is no shortcut and covers nothing
    program.path = "C:\\Tools\\Paint.exe";
    setName(program, "Paint");
    appendEntry(catalogue, program);

    std::vector<AppsFolderItem> items = Windows11Listing;
    items.push_back({"microsoft.windowscalculator_8wekyb3d8bbwe!App", "Calculator again"});
    addPackagedApps(catalogue, ScoreStore(), SourceIndex, items);
    const std::vector<std::string> found = names(catalogue);
    EXPECT_EQ(std::count(found.begin(), found.end(), "Spotify"), 0);
    EXPECT_EQ(std::count(found.begin(), found.end(), "Paint"), 2);
    EXPECT_EQ(std::count(found.begin(), found.end(), "Calculator again"), 0);
}

TEST(PackagedApps, TheIdsFormDecidesWhatIsAPackagedApp)
{
    for (const char* id : {"Microsoft.Paint_8wekyb3d8bbwe!App", "A-b.c_0123456789abc!x.Y9"})
        EXPECT_TRUE(isAppUserModelId(id)) << id;
    for (const char* id : {"", "MSEdge", "Microsoft.Paint_8wekyb3d8bbwe", "Microsoft.Paint_8wekyb3d8bbwe!",
                           "Microsoft.Paint_8wekyb3d8bbw!App", "Microsoft.Paint_8WEKYB3D8BBWE!App",
                           "Microsoft.Paint_8wekyb3d8bbwe!9App", "Microsoft.Paint_8wekyb3d8bbwe!App!x",
                           "Ab_8wekyb3d8bbwe!App", "C:\\Paint_8wekyb3d8bbwe!App", "a b_8wekyb3d8bbwe!App"})
        EXPECT_FALSE(isAppUserModelId(id)) << id;
    const std::string longest(64, 'a');
    EXPECT_TRUE(isAppUserModelId("Microsoft.Paint_8wekyb3d8bbwe!" + longest));
    EXPECT_FALSE(isAppUserModelId("Microsoft.Paint_8wekyb3d8bbwe!" + longest + "a"));
}

TEST(PackagedApps, OnlyNamesTheShellResolvedAreShown)
{
    EXPECT_TRUE(isShowableAppName("Snipping Tool"));
    for (const char* name : {"", "ms-resource:AppName", "MS-RESOURCE://Microsoft.Photos/Resources/AppName",
                             "@{Microsoft.Paint_11.2302.20.0_x64__8wekyb3d8bbwe?ms-resource://Microsoft.Paint/Resources/AppName}",
                             "Tab\there", "\xC3("})
        EXPECT_FALSE(isShowableAppName(name)) << name;
    EXPECT_FALSE(isShowableAppName(std::string(MaxPathChars, 'a')));
}

TEST(PackagedApps, AnAppKeepsItsLaunchScoreByItsPathAcrossScans)
{
    const std::string path = appsFolderEntryPath("Microsoft.WindowsCalculator_8wekyb3d8bbwe!App");
    ScoreStore saved;
    saved.records.push_back({path, 7, computePathHash(path)});
    ScoreStore scores;
    ASSERT_TRUE(loadScoreBytes(scores, formatScoreFile(saved)));
    Catalogue catalogue;
    addPackagedApps(catalogue, scores, SourceIndex, Windows11Listing);
    EXPECT_EQ(catalogue.entries[1].launchScore, 7);
    EXPECT_EQ(catalogue.entries[0].launchScore, 0);
}

TEST(PackagedApps, TheFolderWalkNeverListsTheSourcesPath)
{
    class ListingCounter : public FileSystemAccess {
    public:
        std::unique_ptr<FolderListing> openListing(const std::string&) override
        {
            ++listings;
            return nullptr;
        }
        FolderIdentity identify(const std::string&) override { return {}; }
        std::string resolveShortcut(const std::string&) override { return {}; }
        int listings = 0;
    } fileSystem;
    class Silent : public ScanFeedback {
        void folderVisited(const ScanDirectory&) override {}
        void showDirectoryName(const std::string&) override {}
        void dispatchPendingMessages() override {}
        bool cancelRequested() override { return false; }
    } feedback;
    Settings settings;
    settings.definitions.push_back({"Everything", 0, "*", "", 0});
    settings.directories.push_back(appsSourceDirectory("Apps"));
    settings.directories[0].definitionId = 0; // an older launcher's editor may have given it one
    Catalogue catalogue;
    ScoreStore scores;
    ScanContext context{settings, catalogue, scores, fileSystem, feedback};
    scanDirectory(context, 0);
    EXPECT_EQ(fileSystem.listings, 0);
}

} // namespace
