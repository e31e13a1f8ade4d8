#include "installhelpers/program_placer.h"

#include "installhelpers/helper_exit_codes.h"

#include <cstring>

namespace {

constexpr char Blanks[] = " \t";

// Asks a launcher running from the target to quit, then waits for it to let go of the file.
bool moveAfterClosing(const std::string& placed, const std::string& targetPath, PlacerSystem& system)
{
    if (targetPath.size() > MaxTargetPathLength)
        return false;
    system.startHidden(targetPath, closeCommandLine(targetPath));
    for (int attempt = 0; attempt < TargetMoveRetries; ++attempt) {
        system.sleep(TargetMoveRetryDelayMs);
        if (system.moveOver(placed, targetPath))
            return true;
    }
    return false;
}

} // namespace

std::string targetPathFromCommandLine(const char* commandLine)
{
    if (commandLine == nullptr)
        return std::string();
    std::string path(commandLine);
    path.erase(0, path.find_first_not_of(Blanks));
    path.erase(path.find_last_not_of(Blanks) + 1);
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"')
        path = path.substr(1, path.size() - 2);
    return path;
}

std::string closeCommandLine(const std::string& targetPath)
{
    return '"' + targetPath + "\" " + CloseOption;
}

int placeProgram(const char* commandLine, PlacerSystem& system)
{
    const std::string targetPath = targetPathFromCommandLine(commandLine);
    if (targetPath.empty())
        return HelperFailed;
    // Looked up before anything is written, so that a helper without its payload never
    // replaces an installed launcher with nothing.
    EmbeddedProgram program;
    if (!system.findEmbeddedProgram(program) || program.size == 0)
        return HelperFailed;
    const std::string placed = targetPath + PlacementSuffix;
    const bool inPlace = system.writeFile(placed, program.bytes, program.size) &&
                         (system.moveOver(placed, targetPath) || moveAfterClosing(placed, targetPath, system));
    if (!inPlace)
        system.removeFile(placed);
    return inPlace ? HelperSucceeded : HelperFailed;
}
