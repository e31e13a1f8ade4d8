#include <gtest/gtest.h>

#include "settings/apps_source.h"

#include <map>

#include "configuration/directory_edits.h"
#include "resources/resource.h"

namespace {

TEST(DriveRoot, TakesLeadingBackslashesTheFirstComponentAndItsBackslash)
{
    const struct {
        const char* path;
        const char* root;
    } cases[] = {
        {"C:\\Games\\", "C:\\"},
        {"C:\\", "C:\\"},
        {"C:", "C:"},
        {"\\\\server\\share\\dir\\", "\\\\server\\"},
        {"\\", "\\"},
        {"", ""},
        {"relative\\path\\", "relative\\"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(driveRootOf(c.path), c.root) << c.path;
}

TEST(DirectoryLocation, NetworkPathsNeedNoDriveQuery)
{
    int queries = 0;
    auto countingFixed = [&](const std::string&) {
        ++queries;
        return DriveKind::Fixed;
    };
    EXPECT_EQ(locateDirectory("\\\\server\\share\\", countingFixed), DirectoryLocation::Network);
    EXPECT_EQ(locateDirectory("\\", countingFixed), DirectoryLocation::Network);
    EXPECT_EQ(queries, 0);
}

TEST(DirectoryLocation, DriveKindsOfTheRootDecide)
{
    std::map<std::string, DriveKind> drives = {
        {"C:\\", DriveKind::Fixed},    {"D:\\", DriveKind::CdRom},   {"A:\\", DriveKind::Removable},
        {"N:\\", DriveKind::Remote},   {"R:\\", DriveKind::RamDisk}, {"Q:\\", DriveKind::NoRoot},
        {"U:\\", DriveKind::Unknown},
    };
    std::string askedRoot;
    auto kindOf = [&](const std::string& root) {
        askedRoot = root;
        return drives.count(root) ? drives[root] : DriveKind::NoRoot;
    };
    EXPECT_EQ(locateDirectory("N:\\Music\\Old\\", kindOf), DirectoryLocation::Network);
    EXPECT_EQ(askedRoot, "N:\\");
    EXPECT_EQ(locateDirectory("D:\\Setup\\", kindOf), DirectoryLocation::Removable);
    EXPECT_EQ(locateDirectory("A:\\", kindOf), DirectoryLocation::Removable);
    for (const char* local : {"C:\\Games\\", "R:\\Temp\\", "Q:\\x\\", "U:\\y\\"})
        EXPECT_EQ(locateDirectory(local, kindOf), DirectoryLocation::Local) << local;
}

TEST(DirectoryWarning, ShownUntilItsOwnBitIsSet)
{
    EXPECT_EQ(warningTextFor(DirectoryLocation::Network, 0), IDS_WARN_NETWORK);
    EXPECT_EQ(warningTextFor(DirectoryLocation::Removable, 0), IDS_WARN_REMOVABLE);
    EXPECT_EQ(warningTextFor(DirectoryLocation::Local, 0), 0);
    // Switching off the network warning leaves the removable one, and the other way round.
    EXPECT_EQ(warningTextFor(DirectoryLocation::Network, NoNetworkWarning), 0);
    EXPECT_EQ(warningTextFor(DirectoryLocation::Removable, NoNetworkWarning), IDS_WARN_REMOVABLE);
    EXPECT_EQ(warningTextFor(DirectoryLocation::Removable, NoRemovableWarning), 0);
    EXPECT_EQ(warningTextFor(DirectoryLocation::Network, NoRemovableWarning | MonitorChanges), IDS_WARN_NETWORK);
    EXPECT_EQ(warningBitFor(DirectoryLocation::Local), 0);
}

DirectoryEditorValues editorValues(const std::string& path, const std::string& name)
{
    DirectoryEditorValues values;
    values.path = path;
    values.name = name;
    values.priorityItem = 2;
    values.hasDefinition = true;
    values.definitionId = 7;
    return values;
}

TEST(DirectoryEditorOk, PathGetsItsClosingBackslashAndShortNamesComeFromThePath)
{
    const struct {
        const char* path;
        const char* name;
        const char* storedPath;
        const char* storedName;
    } cases[] = {
        {"C:\\Games", "", "C:\\Games\\", "Games"},
        {"C:\\Games\\", "G", "C:\\Games\\", "Games"},
        {"C:\\Games", "My games", "C:\\Games\\", "My games"},
        {"C:\\Games", "Go", "C:\\Games\\", "Go"},
        {"", "", "\\", "---"},
    };
    for (const auto& c : cases) {
        ScanDirectory directory;
        applyEditorValues(directory, editorValues(c.path, c.name));
        EXPECT_EQ(directory.path, c.storedPath) << c.path;
        EXPECT_EQ(directory.name, c.storedName) << c.path;
    }
}

TEST(DirectoryEditorOk, OverlongPathIsCutBeforeTheBackslashIsAdded)
{
    ScanDirectory directory;
    applyEditorValues(directory, editorValues(std::string(400, 'a'), "Name"));
    EXPECT_EQ(directory.path.size(), MaxEditText + 1);
    EXPECT_EQ(directory.path.back(), '\\');
}

TEST(DirectoryEditorOk, CheckBoxesReplaceOnlyTheirOwnBits)
{
    ScanDirectory directory;
    directory.flags = 0x80 | Recursive;
    DirectoryEditorValues values = editorValues("C:\\x\\", "Xx");
    values.recursive = false;
    values.ignoreHidden = true;
    applyEditorValues(directory, values);
    EXPECT_EQ(directory.flags, 0x80 | IgnoreHidden);
}

TEST(DirectoryEditorOk, PriorityAlwaysEndsInRange)
{
    const struct {
        int item;
        int previous;
        int stored;
    } cases[] = {
        {0, 0, -2}, {4, 0, 2}, {2, -1, 0}, {-1, 9, 2}, {-1, -7, -2}, {-1, 1, 1}, {5, 0, 0},
    };
    for (const auto& c : cases) {
        ScanDirectory directory;
        directory.priority = static_cast<std::int8_t>(c.previous);
        DirectoryEditorValues values = editorValues("C:\\", "Cc");
        values.priorityItem = c.item;
        applyEditorValues(directory, values);
        EXPECT_EQ(directory.priority, c.stored) << c.item << " " << c.previous;
    }
    EXPECT_EQ(priorityItemOf(-2), 0);
    EXPECT_EQ(priorityItemOf(2), 4);
    EXPECT_EQ(priorityItemOf(3), -1);
    EXPECT_EQ(priorityItemOf(-3), -1);
}

TEST(DirectoryEditorOk, NoChosenDefinitionKeepsTheOldId)
{
    ScanDirectory directory;
    directory.definitionId = 4;
    DirectoryEditorValues values = editorValues("C:\\", "Cc");
    values.hasDefinition = false;
    applyEditorValues(directory, values);
    EXPECT_EQ(directory.definitionId, 4);
    values.hasDefinition = true;
    values.definitionId = 0;
    applyEditorValues(directory, values);
    EXPECT_EQ(directory.definitionId, 0);
}

std::vector<ScanDirectory> namedDirectories(std::initializer_list<const char*> names)
{
    std::vector<ScanDirectory> list;
    for (const char* name : names) {
        ScanDirectory directory;
        directory.name = name;
        list.push_back(directory);
    }
    return list;
}

std::vector<std::string> namesOf(const std::vector<ScanDirectory>& list)
{
    std::vector<std::string> names;
    for (const ScanDirectory& directory : list)
        names.push_back(directory.name);
    return names;
}

TEST(DeleteDirectories, RemovesExactlyTheSelectedRows)
{
    const struct {
        std::vector<int> positions;
        std::vector<std::string> left;
    } cases[] = {
        {{0, 2, 4}, {"b", "d"}},
        {{4, 0, 2}, {"b", "d"}},      // any order
        {{1, 1}, {"a", "c", "d", "e"}}, // a duplicate removes one element only
        {{}, {"a", "b", "c", "d", "e"}},
        {{-1, 5, 9}, {"a", "b", "c", "d", "e"}},
        {{0, 1, 2, 3, 4}, {}},
    };
    for (const auto& c : cases) {
        auto list = namedDirectories({"a", "b", "c", "d", "e"});
        removeDirectoriesAt(list, c.positions);
        EXPECT_EQ(namesOf(list), c.left);
    }
}

TEST(DirectoryRow, DefinitionCellNamesOnlyCommittedDefinitions)
{
    std::vector<ScanDefinition> committed(2);
    committed[0].name = "Files only";
    committed[0].id = 1;
    committed[1].name = "Applications only";
    committed[1].id = 2;
    ScanDirectory directory;
    directory.name = "Games";
    directory.path = "C:\\Games\\";
    directory.definitionId = 2;
    auto cells = directoryRowCells(directory, committed, "Yes", "No");
    EXPECT_EQ(cells[0], "Games");
    EXPECT_EQ(cells[1], "Yes");
    EXPECT_EQ(cells[2], "Applications only");
    EXPECT_EQ(cells[3], "C:\\Games\\");

    directory.definitionId = 5; // deleted, or only added in the working copy
    directory.flags = IgnoreHidden;
    cells = directoryRowCells(directory, committed, "Yes", "No");
    EXPECT_EQ(cells[1], "No");
    EXPECT_EQ(cells[2], "");

    // The apps source names neither descent nor definition, even one an editor gave it.
    ScanDirectory apps = appsSourceDirectory("Apps without a shortcut");
    apps.flags = Recursive;
    apps.definitionId = 2;
    cells = directoryRowCells(apps, committed, "Yes", "No");
    EXPECT_EQ(cells[1], "");
    EXPECT_EQ(cells[2], "");
    EXPECT_EQ(cells[3], "shell:AppsFolder\\");

    // Its editor changes its name and priority only.
    DirectoryEditorValues values;
    values.path = "shell:AppsFolder";
    values.name = "Store apps";
    values.recursive = true;
    values.priorityItem = 0;
    values.hasDefinition = true;
    values.definitionId = 2;
    applyEditorValues(apps, values);
    EXPECT_TRUE(isAppsSource(apps));
    EXPECT_EQ(apps.name, "Store apps");
    EXPECT_EQ(apps.priority, LowestPriority);
    EXPECT_EQ(apps.flags, 0);
    EXPECT_EQ(apps.definitionId, AppsSourceDefinitionId);
}

} // namespace
