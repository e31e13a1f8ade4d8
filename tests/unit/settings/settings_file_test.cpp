#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include "settings/first_run_file.h"

namespace {

Settings parsed(const std::string& text)
{
    Settings settings;
    parseSettingsText(text, settings);
    return settings;
}

TEST(SettingsFile, FirstRunFileReadsAndWritesBackByteForByte)
{
    Settings settings = parsed(FirstRunFile);
    ASSERT_EQ(settings.definitions.size(), 3u);
    EXPECT_EQ(settings.definitions[2].name, "Applications only");
    EXPECT_EQ(settings.definitions[2].exclude, "*unins*;*unvise*");
    ASSERT_EQ(settings.directories.size(), 2u);
    EXPECT_EQ(settings.directories[1].path, "C:\\Profiles\\User\\Start Menu\\");
    EXPECT_EQ(settings.directories[1].definitionId, 2);
    EXPECT_EQ(settings.global.NextScanID, 3);
    EXPECT_EQ(formatSettingsText(settings), FirstRunFile);
}

TEST(SettingsFile, RoundTripKeepsEveryFieldIncludingExtremes)
{
    Settings original;
    original.definitions.push_back({"Mixed Case name", -7, "*.a;*.b", "", 0x7FFFFFFF});
    original.definitions.push_back({"", 2147483647, "", "*", -1});
    original.directories.push_back({"\\\\server\\share\\", "Share", 0xFF, -2, -3});
    original.directories.push_back({"C:\\x\\", "", 0x02, 2, 0});
    original.directories.push_back({"C:\\odd\\", "Odd", 0x80, -128, 1});
    GlobalSettings& g = original.global;
    g.Hotkey = 0xF41;
    g.FirstTimer = -5;
    g.ShowExt = 255;
    g.DialogSizeX = -2147483647 - 1;
    g.DialogSizeY = 640;
    g.GlobalScanFlags = 0x1FF;
    g.NextScanID = 99;
    g.Transparency = 0;
    g.ShowIcons = 0;
    g.Retry = 201;
    g.EnableTrans = 0;

    const std::string text = formatSettingsText(original);
    Settings copy = parsed(text);
    ASSERT_EQ(copy.definitions.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(copy.definitions[i].name, original.definitions[i].name);
        EXPECT_EQ(copy.definitions[i].id, original.definitions[i].id);
        EXPECT_EQ(copy.definitions[i].include, original.definitions[i].include);
        EXPECT_EQ(copy.definitions[i].exclude, original.definitions[i].exclude);
        EXPECT_EQ(copy.definitions[i].flags, original.definitions[i].flags);
    }
    ASSERT_EQ(copy.directories.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(copy.directories[i].path, original.directories[i].path);
        EXPECT_EQ(copy.directories[i].name, original.directories[i].name);
        EXPECT_EQ(copy.directories[i].flags, original.directories[i].flags);
        EXPECT_EQ(copy.directories[i].priority, original.directories[i].priority);
        EXPECT_EQ(copy.directories[i].definitionId, original.directories[i].definitionId);
    }
    EXPECT_EQ(formatSettingsText(copy), text);
    EXPECT_NE(text.find("\"\\\\server\\share\\\"=-3,255,-2,\"Share\"\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nRetry=201\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nDialogSizeX=-2147483648\r\n"), std::string::npos);
}

TEST(SettingsFile, UnwritableCharactersAreReplacedSoTheLineSurvives)
{
    Settings original;
    original.definitions.push_back({"Say \"hi\"", 4, "*\"*", "a\r\nb", 1});
    original.directories.push_back({"C:\\Q\"\\", "Line\nbreak", 1, 0, 4});
    Settings copy = parsed(formatSettingsText(original));
    ASSERT_EQ(copy.definitions.size(), 1u);
    EXPECT_EQ(copy.definitions[0].name, "Say 'hi'");
    EXPECT_EQ(copy.definitions[0].include, "*'*");
    EXPECT_EQ(copy.definitions[0].exclude, "a  b");
    EXPECT_EQ(copy.definitions[0].flags, 1);
    ASSERT_EQ(copy.directories.size(), 1u);
    EXPECT_EQ(copy.directories[0].path, "C:\\Q'\\");
    EXPECT_EQ(copy.directories[0].name, "Line break");
}

TEST(SettingsFile, QuotableTextEndsAtNul)
{
    EXPECT_EQ(quotableText(std::string("ab\0cd", 5)), "ab");
    EXPECT_EQ(quotableText("plain"), "plain");
}

TEST(SettingsFile, EmptyFileAndOnlyGlobalKeepStartValuesAndEmptyLists)
{
    Settings empty = parsed("");
    EXPECT_TRUE(empty.definitions.empty());
    EXPECT_TRUE(empty.directories.empty());
    EXPECT_EQ(empty.global.Hotkey, DefaultHotkey);
    EXPECT_EQ(empty.global.GlobalScanFlags, 9);
    EXPECT_EQ(empty.global.Transparency, 200);

    Settings onlyGlobal = parsed("[Global]\nRetry=5\n");
    EXPECT_TRUE(onlyGlobal.definitions.empty());
    EXPECT_TRUE(onlyGlobal.directories.empty());
    EXPECT_EQ(onlyGlobal.global.Retry, 5);
    EXPECT_EQ(onlyGlobal.global.Hotkey, DefaultHotkey);
}

TEST(SettingsFile, DirectoryLineWithOptionalFieldsMissing)
{
    const struct {
        const char* line;
        bool kept;
        const char* name;
        std::uint8_t flags;
        std::int8_t priority;
    } cases[] = {
        {"\"C:\\GAMES\\\"=0,1", true, "Games", 1, 0},
        {"\"C:\\GAMES\\\"=0,", true, "Games", 0, 0},           // empty flags give 0
        {"\"C:\\GAMES\\\"=0,3,-1", true, "Games", 3, -1},
        {"\"C:\\GAMES\\\"=0,3,1,\"Play\"", true, "Play", 3, 1},
        {"\"C:\\GAMES\\\"=0,3,1,", true, "", 3, 1},            // a name that is there but empty
        {"\"D:\\\"=0,1", true, "Drive D", 1, 0},
        {"\"C:\\GAMES\\\"=0,257,130", true, "Games", 1, -126},  // low eight bits
        {"  \"C:\\GAMES\\\" \t=\t0 , 1 , 2 , \"Blanks\"", true, "Blanks", 1, 2},
        {"\"C:\\GAMES\\\"=0", false, "", 0, 0},                // the comma after the id is required
        {"\"C:\\GAMES\\\" 0,1", false, "", 0, 0},
        {"", false, "", 0, 0},
    };
    for (const auto& c : cases) {
        Settings settings = parsed(std::string("[Directories]\n") + c.line + "\n");
        ASSERT_EQ(settings.directories.size(), c.kept ? 1u : 0u) << c.line;
        if (!c.kept)
            continue;
        const ScanDirectory& directory = settings.directories[0];
        EXPECT_EQ(directory.definitionId, 0) << c.line;
        EXPECT_EQ(directory.name, c.name) << c.line;
        EXPECT_EQ(directory.flags, c.flags) << c.line;
        EXPECT_EQ(directory.priority, c.priority) << c.line;
    }
}

TEST(SettingsFile, DirectoryPathIsTakenAsWritten)
{
    Settings settings = parsed("[Directories]\n\"C:\\NoSlash\"=2,1\nunquoted=1,1\n");
    ASSERT_EQ(settings.directories.size(), 2u);
    EXPECT_EQ(settings.directories[0].path, "C:\\NoSlash");
    EXPECT_EQ(settings.directories[0].name, "NoSlash");
    EXPECT_EQ(settings.directories[1].path, "UNQUOTED");
}

TEST(SettingsFile, DefaultNameOfADriveUsesTheGivenFormat)
{
    Settings settings;
    parseSettingsText("[Directories]\n\"E:\\\"=0,1\n", settings, "Lecteur %s");
    ASSERT_EQ(settings.directories.size(), 1u);
    EXPECT_EQ(settings.directories[0].name, "Lecteur E");
}

TEST(SettingsFile, DefinitionLines)
{
    const struct {
        const char* line;
        bool kept;
        std::int32_t id;
        const char* name;
        const char* include;
        std::int32_t flags;
    } cases[] = {
        {"4=\"Music\",\"*.mp3\",\"\",1", true, 4, "Music", "*.mp3", 1},
        {"4=Music,\"*.mp3\",\"\",1", true, 4, "MUSIC", "*.mp3", 1},  // unquoted values are upper-cased
        {"\"12\"=\"A\",\"*\",\"\",\"3\"", true, 12, "A", "*", 3},     // quoted numbers
        {"x=\"A\",\"*\",\"\",", true, 0, "A", "*", 0},                // no digits give 0
        {"-3 = \"A\" , \"*\" , \"\" , 7 trailing", true, -3, "A", "*", 7},
        {"4=\"A\",\"*\",\"\"", false, 0, "", "", 0},                  // last comma missing
        {"4=\"A\",\"*\"", false, 0, "", "", 0},
        {"4\"A\",\"*\",\"\",1", false, 0, "", "", 0},
        {"4=\"A,B\",\"*\",\"\",1", true, 4, "A,B", "*", 1},
        {"4=\"Say \"hi\"\",\"*\",\"\",1", false, 0, "", "", 0},       // a quote inside ends the value
        {"4=*.exe,\"*\",\"\",1", false, 0, "", "", 0},                // '*' is no identifier
    };
    for (const auto& c : cases) {
        Settings settings = parsed(std::string("[ScanDef]\n") + c.line + "\n");
        ASSERT_EQ(settings.definitions.size(), c.kept ? 1u : 0u) << c.line;
        if (!c.kept)
            continue;
        EXPECT_EQ(settings.definitions[0].id, c.id) << c.line;
        EXPECT_EQ(settings.definitions[0].name, c.name) << c.line;
        EXPECT_EQ(settings.definitions[0].include, c.include) << c.line;
        EXPECT_EQ(settings.definitions[0].flags, c.flags) << c.line;
    }
}

TEST(SettingsFile, SectionLines)
{
    Settings settings = parsed(
        "Hotkey=1\n"               // before any section: ignored
        "[global]\n"
        "hotkey = 1624\n"
        "[Other]\n"                // unknown: the [Global] section goes on
        "Retry=7\n"
        "[ScanDef\n"               // no ']': still [Global]
        "ShowExt=1\n"
        "  \t[SCANDEF] trailing\n"
        "1=\"A\",\"*\",\"\",0\n"
        "[ directories]\n"         // a blank before the name: no known section
        "2=\"B\",\"*\",\"\",0\n"
        "[Directories]x\n"
        "\"C:\\\"=1,1\n");
    EXPECT_EQ(settings.global.Hotkey, 1624);
    EXPECT_EQ(settings.global.Retry, 7);
    EXPECT_EQ(settings.global.ShowExt, 1);
    ASSERT_EQ(settings.definitions.size(), 2u);
    EXPECT_EQ(settings.definitions[1].id, 2);
    ASSERT_EQ(settings.directories.size(), 1u);
}

TEST(SettingsFile, GlobalKeys)
{
    Settings settings = parsed(
        "[Global]\n"
        "Hotkey=100\n"
        "Hotkey=200\n"             // the last value wins
        "Transparency=300\n"       // low eight bits: 44
        "ShowIcons=-1\n"           // 255
        "Retry=250\n"              // taken as it is
        "NextScanID=+12\n"        // '+' is no identifier character: no digits, 0
        "DialogSizeY=\"+12\"\n"    // but a quoted sign is read
        "GlobalScanFlags=\"57\"\n"
        "DialogSizeX= 10x\n"
        "DialogSizeY 5\n"          // no '=': ignored
        "Unknown=5\n"
        "FirstTimer=\n"            // empty value gives 0
        "ShowExt=99999999999\n"    // overlong numbers wrap instead of overflowing
        "EnableTrans=0\n");
    const GlobalSettings& g = settings.global;
    EXPECT_EQ(g.Hotkey, 200);
    EXPECT_EQ(g.Transparency, 44);
    EXPECT_EQ(g.ShowIcons, 255);
    EXPECT_EQ(g.Retry, 250);
    EXPECT_EQ(g.NextScanID, 0);
    EXPECT_EQ(g.GlobalScanFlags, 57);
    EXPECT_EQ(g.DialogSizeX, 10);
    EXPECT_EQ(g.DialogSizeY, 12);
    EXPECT_EQ(g.FirstTimer, 0);
    EXPECT_EQ(g.ShowExt, static_cast<std::uint8_t>(99999999999LL & 0xFF));
    EXPECT_EQ(g.EnableTrans, 0);
}

TEST(SettingsFile, LineEndsAndLastLineWithoutOne)
{
    for (const char* text : {"[Global]\r\nRetry=3\r\n", "[Global]\nRetry=3", "[Global]\r\nRetry=3\r"}) {
        EXPECT_EQ(parsed(text).global.Retry, 3) << text;
    }
    // A bare CR is no line end: it stays inside the line.
    EXPECT_EQ(parsed("[Global]\rRetry=3\n").global.Retry, 20);
}

TEST(SettingsFile, LongLinesAreReadWhole)
{
    const std::string path = "C:\\" + std::string(250, 'p') + "\\";
    const std::string name(400, 'n');
    Settings settings = parsed("[Directories]\n\"" + path + "\"=0,1,0,\"" + name + "\"\n");
    ASSERT_EQ(settings.directories.size(), 1u);
    EXPECT_EQ(settings.directories[0].path, path);
    EXPECT_EQ(settings.directories[0].name, name);

    const std::string megabyte(1 << 20, 'x');
    Settings huge = parsed("[Global]\nRetry=4\n" + megabyte + "\nShowExt=1\n[ScanDef]\n1=\"" + megabyte +
                           "\",\"*\",\"\",0\n");
    EXPECT_EQ(huge.global.Retry, 4);
    EXPECT_EQ(huge.global.ShowExt, 1);
    ASSERT_EQ(huge.definitions.size(), 1u);
    EXPECT_EQ(huge.definitions[0].name.size(), megabyte.size());
}

TEST(SettingsFile, HostileInputNeverStopsTheParse)
{
    std::string garbage;
    unsigned state = 12345;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1103515245u + 12345u;
        garbage += static_cast<char>(state >> 16);
    }
    for (const std::string& prefix : {std::string("[ScanDef]\n"), std::string("[Directories]\n"),
                                      std::string("[Global]\n")}) {
        Settings settings;
        parseSettingsText(prefix + garbage, settings);
        // Any lines it took are fine; what matters is that a good file still writes and reads back.
        Settings copy = parsed(formatSettingsText(settings));
        EXPECT_EQ(copy.definitions.size(), settings.definitions.size());
        EXPECT_EQ(copy.directories.size(), settings.directories.size());
    }

    Settings quotes = parsed("[ScanDef]\n\"\"\"\"\"\"\"\"\"\n[Directories]\n\"\"\"\"\"\"\"\"\n\"\n");
    EXPECT_TRUE(quotes.definitions.empty());
    EXPECT_TRUE(quotes.directories.empty());
}

TEST(SettingsFile, NulByteEndsItsLineOnly)
{
    const std::string text("[Global]\nRetry=3\0ShowExt=1\nShowIcons=0\n", 37);
    Settings settings = parsed(text);
    EXPECT_EQ(settings.global.Retry, 3);
    EXPECT_EQ(settings.global.ShowExt, 0);
    EXPECT_EQ(settings.global.ShowIcons, 0);
}

TEST(SettingsFile, ParsingAppendsToExistingLists)
{
    Settings settings;
    settings.definitions.push_back({"Kept", 9, "*", "", 0});
    parseSettingsText("[ScanDef]\n1=\"New\",\"*\",\"\",0\n", settings);
    ASSERT_EQ(settings.definitions.size(), 2u);
    EXPECT_EQ(settings.definitions[0].name, "Kept");
}

} // namespace
