#include "installhelpers/user_data_remover.h"

#include "base/latin1_code_page.h"
#include "fake_data_drive.h"
#include "installhelpers/helper_exit_codes.h"
#include "text_bytes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;
using Paths = std::vector<std::string>;
using testing::IsEmpty;

const std::string JoeAppData = "C:\\Documents and Settings\\Joe\\Application Data";
const std::string JoeData = JoeAppData + "\\Tandor";
const std::string AnnAppData = "D:\\Users\\Ann\\AppData";
const std::string AnnData = AnnAppData + "\\Tandor";
const std::string Foreign = "C:\\Windows\\system.dat";

int runRemover(const std::string& listText, FakeDataDrive& drive)
{
    TextBytes bytes(listText);
    LinePieceReader reader(bytes);
    const int exitCode = removeListedDataFolders(reader, drive);
    EXPECT_THAT(drive.faults, IsEmpty());
    return exitCode;
}

TEST(UninstallerArgument, OnlyFortyTwoAtTheStartRuns)
{
    const struct {
        const char* commandLine;
        bool runs;
    } cases[] = {
        {"42", true}, {"42 please", true}, {"421", true}, {"", false}, {"4", false},
        {"2", false}, {"24", false},       {" 42", false}, {"4 2", false}, {nullptr, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isUninstallerArgument(c.commandLine), c.runs) << (c.commandLine ? c.commandLine : "(null)");
}

TEST(OwnDataFileName, TheLaunchersFilesAndTheirUnfinishedSavesInAnyCase)
{
    for (const char* name : {"Settings.ini", "scandb.dat", "scores.dat", "Settings.ini.new", "scandb.dat.new",
                             "scores.dat.new", "SETTINGS.INI", "Scores.Dat.NEW"})
        EXPECT_TRUE(isOwnDataFileName(name)) << name;
    for (const char* name : {"", "Settings", "Settings.ini.bak", "Settings.ini.new.new", "xscores.dat", "scores.da",
                             "Tandor.exe", "uninst.dir", "desktop.ini", ".new"})
        EXPECT_FALSE(isOwnDataFileName(name)) << name;
}

TEST(UserDataRemover, RemovesEveryListedFolderHoldingItsPathFromTheDriveDown)
{
    FakeDataDrive drive;
    drive.addFile(JoeData + "\\Settings.ini");
    drive.addFile(JoeData + "\\scandb.dat.new");
    drive.addFile(AnnData + "\\SCORES.DAT");

    EXPECT_EQ(runRemover(JoeAppData + "\r\n\r\n" + AnnAppData + "\\", drive), HelperSucceeded);
    EXPECT_EQ(drive.removed, (Paths{JoeData, AnnData}));
    EXPECT_EQ(drive.deleted,
              (Paths{JoeData + "\\Settings.ini", JoeData + "\\scandb.dat.new", AnnData + "\\SCORES.DAT"}));
    EXPECT_EQ(Paths(drive.held.end() - 5, drive.held.end()),
              (Paths{"D:\\", "D:\\Users", "D:\\Users\\Ann", "D:\\Users\\Ann\\AppData", AnnData}));
    EXPECT_TRUE(drive.exists(AnnAppData));
}

TEST(UserDataRemover, LinkInAnyPartOfThePathIsRefused)
{
    const Paths parts{"C:\\Documents and Settings", "C:\\Documents and Settings\\Joe", JoeAppData, JoeData};
    for (const std::string& linked : parts) {
        FakeDataDrive drive;
        drive.addFile(JoeData + "\\Settings.ini");
        drive.addLink(linked);
        drive.addFile(AnnData + "\\Settings.ini");

        EXPECT_EQ(runRemover(JoeAppData + "\n" + AnnAppData + "\n", drive), HelperFailed) << linked;
        EXPECT_EQ(drive.deleted, Paths{AnnData + "\\Settings.ini"}) << linked;
        EXPECT_EQ(drive.removed, Paths{AnnData}) << linked;
    }
}

TEST(UserDataRemover, OnlyTheLaunchersOwnFilesGoAndTheFolderStaysWithTheRest)
{
    FakeDataDrive drive;
    for (const char* name : {"Settings.ini", "scores.dat.NEW", "notes.txt", "Backup\\Settings.ini"})
        drive.addFile(JoeData + "\\" + name);
    drive.addLink(JoeData + "\\scandb.dat");
    drive.addFolder(JoeData + "\\scores.dat");

    EXPECT_EQ(runRemover(JoeAppData, drive), HelperFailed);
    EXPECT_EQ(drive.deleted, (Paths{JoeData + "\\Settings.ini", JoeData + "\\scores.dat.NEW"}));
    EXPECT_THAT(drive.removed, IsEmpty());
}

// A name the user links to a file of somebody else's, before the listing or between the
// listing and the opening, never leads to that file.
TEST(UserDataRemover, FilesWithANameElsewhereStay)
{
    const struct {
        const char* what;
        std::function<void(FakeDataDrive&)> move;
    } moves[] = {
        {"a hard link", [](FakeDataDrive&) {}},
        {"the name deleted just before the opening",
         [](FakeDataDrive& drive) { drive.erase(JoeData + "\\scores.dat"); }},
        {"the name linked to another file just before the opening",
         [](FakeDataDrive& drive) { drive.addFile(JoeData + "\\scores.dat", drive.idOf("C:\\Windows\\win.ini")); }},
    };
    for (const auto& m : moves) {
        FakeDataDrive drive;
        drive.addFile(Foreign);
        drive.addFile("C:\\Windows\\win.ini");
        drive.addFile(JoeData + "\\scores.dat", drive.idOf(Foreign));
        drive.addFile(JoeData + "\\Settings.ini");
        drive.beforeOpen = [&drive, &m](std::uint64_t id) {
            if (id == drive.idOf(Foreign))
                m.move(drive);
        };

        EXPECT_EQ(runRemover(JoeAppData, drive), HelperFailed) << m.what;
        EXPECT_EQ(drive.deleted, Paths{JoeData + "\\Settings.ini"}) << m.what;
        EXPECT_TRUE(drive.exists(Foreign) && drive.exists("C:\\Windows\\win.ini")) << m.what;
    }
}

TEST(UserDataRemover, FailedLineIsReportedAndLaterUsersAreStillCleaned)
{
    FakeDataDrive drive;
    drive.addFile(JoeData + "\\Settings.ini");
    drive.addFile(JoeData + "\\scores.dat");
    drive.undeletable.insert(JoeData + "\\Settings.ini");
    drive.addFile(AnnData + "\\scores.dat");

    EXPECT_EQ(runRemover("C:\\Missing\r\n" + JoeAppData + "\r\n" + AnnAppData + "\r\n", drive), HelperFailed);
    EXPECT_EQ(drive.deleted, (Paths{JoeData + "\\scores.dat", AnnData + "\\scores.dat"}));
    EXPECT_EQ(drive.removed, Paths{AnnData});
}

TEST(UserDataRemover, LinesThatAreNoPlainLocalPathAreSkippedAndFail)
{
    const std::string overlong = "C:\\" + std::string(2 * LinePieceLength, 'x');
    for (const std::string& bad : {"AppData"s, "\\\\host\\share"s, "C:\\Users\\..\\Windows"s, overlong}) {
        FakeDataDrive drive;
        drive.addFile(AnnData + "\\scores.dat");
        EXPECT_EQ(runRemover(bad + "\r\n" + AnnAppData + "\r\n", drive), HelperFailed) << bad;
        EXPECT_EQ(drive.pathsStarted, 1) << bad;
        EXPECT_EQ(drive.removed, Paths{AnnData}) << bad;
    }
}

std::string repeated(const std::string& text, std::size_t count)
{
    std::string all;
    for (std::size_t i = 0; i < count; ++i)
        all += text;
    return all;
}

// The system's limit counts UTF-16 units: a Cyrillic letter takes two bytes but one unit, a
// character beyond the first plane four bytes but two units, a legacy byte one of each.
TEST(UserDataRemover, LineIsWithinThePathLimitByItsUtf16UnitsNotItsBytes)
{
    const std::string zhe = "\xD0\x96";
    const std::string grin = "\xF0\x9F\x98\x80";
    const struct {
        const char* what;
        std::string line;
        std::string folder; // as the line is read
        bool accepted;
    } cases[] = {
        {"259 units of Cyrillic", "C:\\" + repeated(zhe, 128) + "\\" + repeated(zhe, 127), "", true},
        {"260 units of Cyrillic", "C:\\" + repeated(zhe, 128) + "\\" + repeated(zhe, 128), "", false},
        {"259 units with an astral character", "C:\\" + std::string(253, 'x') + "\\" + grin, "", true},
        {"260 units with an astral character", "C:\\" + std::string(254, 'x') + "\\" + grin, "", false},
        {"259 units of a legacy code page", "C:\\" + std::string(256, '\xE9'), "C:\\" + repeated("\xC3\xA9", 256),
         true},
    };
    Latin1CodePage latin1;
    for (const auto& c : cases) {
        const std::string data = (c.folder.empty() ? c.line : c.folder) + "\\Tandor";
        FakeDataDrive drive;
        drive.addFile(data + "\\Settings.ini");
        EXPECT_EQ(runRemover(c.line + "\r\n", drive), c.accepted ? HelperSucceeded : HelperFailed) << c.what;
        EXPECT_EQ(drive.removed, c.accepted ? Paths{data} : Paths{}) << c.what;
        EXPECT_EQ(drive.pathsStarted, c.accepted ? 1 : 0) << c.what;
    }
}

TEST(UserDataRemover, FolderThatCannotBeListedFails)
{
    FakeDataDrive drive;
    drive.addFile(AnnData + "\\scores.dat");
    drive.unlistable.insert(AnnData);

    EXPECT_EQ(runRemover(AnnAppData, drive), HelperFailed);
    EXPECT_THAT(drive.deleted, IsEmpty());
    EXPECT_TRUE(drive.exists(AnnData));
}

TEST(UserDataRemover, ListOfBlankLinesRemovesNothing)
{
    FakeDataDrive drive;
    EXPECT_EQ(runRemover("", drive), HelperSucceeded);
    EXPECT_EQ(runRemover("\r\n\n\r\n", drive), HelperSucceeded);
    EXPECT_THAT(drive.held, IsEmpty());
}

} // namespace

TEST(UserDataRemover, ALegacyLineIsReadInTheLegacyCodePage)
{
    Latin1CodePage latin1;
    FakeDataDrive drive;
    const std::string zoeData = "C:\\Users\\Zo\xC3\xAB\\AppData\\Tandor";
    const std::string zhangData = "C:\\Users\\\xE5\xBC\xA0\xE4\xBC\x9F\\AppData\\Tandor";
    drive.addFile(zoeData + "\\Settings.ini");
    drive.addFile(zhangData + "\\scores.dat");
    EXPECT_EQ(runRemover("C:\\Users\\Zo\xEB\\AppData\r\nC:\\Users\\\xE5\xBC\xA0\xE4\xBC\x9F\\AppData\r\n", drive),
              HelperSucceeded);
    EXPECT_EQ(drive.removed, (Paths{zoeData, zhangData}));
}
