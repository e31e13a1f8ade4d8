// Writes the launcher that this helper carries to the path the installer names. When the
// target is busy (a launcher started from it is running), it asks that launcher to quit with
// its own "/CLOSE" option and tries again for a few seconds.
#pragma once

#include <cstddef>
#include <string>

// A longer path is refused rather than handed to the close command.
constexpr std::size_t MaxTargetPathLength = 1000;
// Seven tries half a second apart give a closing launcher about 3.5 s to save its files and exit.
constexpr int TargetOpenRetries = 7;
constexpr unsigned TargetOpenRetryDelayMs = 500;
constexpr char CloseOption[] = "/CLOSE";

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
    // Creates the target or cuts it to zero length, for writing.
    virtual bool openTarget(const std::string& path) = 0;
    // Writes all bytes to the open target; false unless every byte went.
    virtual bool writeTarget(const void* bytes, std::size_t size) = 0;
    // Closes the open target; false when the data could not be committed.
    virtual bool closeTarget() = 0;
    // Starts `program` with `commandLine`, hidden, without waiting; the outcome is not needed.
    virtual void startHidden(const std::string& program, const std::string& commandLine) = 0;
    virtual void sleep(unsigned milliseconds) = 0;
};

// The command line of the close request: the quoted target path, a blank and "/CLOSE".
// Quoted so that a path with blanks cannot start a different program named by its first words.
std::string closeCommandLine(const std::string& targetPath);

// Runs the whole placement for the command line (the target path, used as it stands) and
// returns the exit code: HelperSucceeded once the launcher was written, HelperFailed otherwise.
int placeProgram(const char* commandLine, PlacerSystem& system);
