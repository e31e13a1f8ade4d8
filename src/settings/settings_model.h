// The launcher's configuration in memory: what to catalogue (scan definitions), where to look
// (scan directories) and the global values. Field names of GlobalSettings are the file's keys.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ScanDefinition {
    std::string name;
    std::int32_t id = 0;
    std::string include;
    std::string exclude;
    std::int32_t flags = 0;
};

enum ScanDefinitionFlag : std::int32_t {
    AddFolderNames = 0x01,
};

struct ScanDirectory {
    std::string path; // always ends in '\'
    std::string name;
    std::uint8_t flags = 0x01;
    std::int8_t priority = 0; // -2 to +2
    std::int32_t definitionId = 0;
};

enum ScanDirectoryFlag : std::uint8_t {
    Recursive = 0x01,
    IgnoreHidden = 0x02,
};

inline bool isRecursive(const ScanDirectory& directory) { return (directory.flags & Recursive) != 0; }
inline bool ignoresHidden(const ScanDirectory& directory) { return (directory.flags & IgnoreHidden) != 0; }
inline bool addsFolderNames(const ScanDefinition& definition) { return (definition.flags & AddFolderNames) != 0; }

enum GlobalScanFlag : std::int32_t {
    ShowScannedDirectory = 0x01,
    ScanAtStartup = 0x02,
    MonitorChanges = 0x08,
    StatusBoxModeMask = 0x30,
    NoNetworkWarning = 0x40,
    NoRemovableWarning = 0x80,
    LastScanAborted = 0x100,
    AppsSourceOffered = 0x200, // the packaged apps source was added once; not again
};

// When a full scan shows its progress window, kept in the StatusBoxModeMask bits; a hand-edited
// file may hold 3, which names no mode and shows no window.
enum StatusBoxMode {
    StatusBoxAlways = 0,
    StatusBoxExceptAtStartup = 1,
    StatusBoxNever = 2,
};

inline int statusBoxMode(std::int32_t globalScanFlags) { return (globalScanFlags & StatusBoxModeMask) >> 4; }

constexpr std::int32_t DefaultHotkey = 0x658; // Ctrl + Alt + X

struct GlobalSettings {
    std::int32_t Hotkey = DefaultHotkey;
    std::int32_t FirstTimer = 1;
    std::uint8_t ShowExt = 0;
    std::int32_t DialogSizeX = 0;
    std::int32_t DialogSizeY = 0;
    std::int32_t GlobalScanFlags = ShowScannedDirectory | MonitorChanges;
    std::int32_t NextScanID = 0;
    std::uint8_t Transparency = 200;
    std::uint8_t ShowIcons = 1;
    std::uint8_t Retry = 20;
    std::uint8_t EnableTrans = 1;
};

struct Settings {
    std::vector<ScanDefinition> definitions;
    std::vector<ScanDirectory> directories;
    GlobalSettings global;
};

// Directory priority levels: weight added to the match score of every entry of a directory.
struct PriorityLevel {
    int priority;
    int weight;
    int stringId;
};
constexpr int LowestPriority = -2;
constexpr int HighestPriority = 2;
extern const PriorityLevel PriorityLevels[5];

// The weight of a priority; a value no table row names (a hand-edited file) weighs nothing.
int priorityWeight(int priority);

std::int32_t addScanDefinition(std::vector<ScanDefinition>& list, std::int32_t& nextScanId,
                               const std::string& name, const std::string& include,
                               const std::string& exclude, std::int32_t flags);
ScanDirectory& addScanDirectory(std::vector<ScanDirectory>& list, const std::string& path,
                                std::int32_t definitionId);
const ScanDefinition* findScanDefinition(const std::vector<ScanDefinition>& list, std::int32_t id);
bool isDefinitionInUse(const std::vector<ScanDirectory>& directoryList, std::int32_t id);

// A readable name for a folder path ("C:\WINDOWS\START MENU\" gives "Start Menu").
// `driveFormat` is the text for a drive root, with %s standing for the drive letter.
std::string displayNameFromPath(const std::string& path, const std::string& driveFormat = "Drive %s");
