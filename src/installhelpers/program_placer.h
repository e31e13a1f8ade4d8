// Writes the launcher that this helper carries to the path the installer names. The new
// program is written beside the target, flushed to the disk and then moved over it, so that
// a failure midway never leaves a cut launcher. When the target is busy (a launcher started
// from it is running), it asks that launcher to quit with its own "/CLOSE" option and tries
// again for a few seconds.
#pragma once

#include <cstddef>
#include <string>

// A longer path is refused rather than handed to the close command.
constexpr std::size_t MaxTargetPathLength = 1000;
// Seven tries half a second apart give a closing launcher about 3.5 s to save its files and exit.
constexpr int TargetMoveRetries = 7;
constexpr unsigned TargetMoveRetryDelayMs = 500;
constexpr char CloseOption[] = "/CLOSE";
// What the new program is called while it is being written beside the target.
constexpr char PlacementSuffix[] = ".new";

struct EmbeddedProgram {
    const void* bytes = nullptr;
    std::size_t size = 0;
};

// The system services the placer needs; Windows provides them, tests fake them.
class PlacerSystem {
public:
    virtual ~PlacerSystem() = default;

    // The launcher carried by this program; false when it cannot be had.
    virtual bool findEmbeddedProgram(EmbeddedProgram& program) = 0;
    // Creates the file (or cuts it to zero length), writes every byte and flushes them to disk.
    virtual bool writeFile(const std::string& path, const void* bytes, std::size_t size) = 0;
    // Moves `from` over `to` in one step; false when `to` is busy or cannot be replaced.
    virtual bool moveOver(const std::string& from, const std::string& to) = 0;
    virtual void removeFile(const std::string& path) = 0;
    // Starts `program` with `commandLine`, hidden, without waiting; the outcome is not needed.
    virtual void startHidden(const std::string& program, const std::string& commandLine) = 0;
    virtual void sleep(unsigned milliseconds) = 0;
};

// The target path in the command line: the whole text without blanks around it and without
// one pair of double quotes around it, as installers quote a path that holds blanks.
std::string targetPathFromCommandLine(const char* commandLine);

// The command line of the close request: the quoted target path, a blank and "/CLOSE".
// Quoted so that a path with blanks cannot start a different program named by its first words.
std::string closeCommandLine(const std::string& targetPath);

// Runs the whole placement for the command line and returns the exit code: HelperSucceeded
// once the launcher is in place, HelperFailed otherwise (the previous target then stays as it was).
int placeProgram(const char* commandLine, PlacerSystem& system);
