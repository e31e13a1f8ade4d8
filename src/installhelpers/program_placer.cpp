#include "installhelpers/program_placer.h"

#include "installhelpers/helper_exit_codes.h"

namespace {

// Asks a launcher running from the target to quit, then waits for it to let go of the file.
bool openTargetAfterClosing(const std::string& targetPath, PlacerSystem& system)
{
    if (targetPath.size() > MaxTargetPathLength)
        return false;
    system.startHidden(targetPath, closeCommandLine(targetPath));
    for (int attempt = 0; attempt < TargetOpenRetries; ++attempt) {
        system.sleep(TargetOpenRetryDelayMs);
        if (system.openTarget(targetPath))
            return true;
    }
    return false;
}

bool writeProgram(const EmbeddedProgram& program, PlacerSystem& system)
{
    const bool written = system.writeTarget(program.bytes, program.size);
    const bool closed = system.closeTarget();
    return written && closed;
}

} // namespace

std::string closeCommandLine(const std::string& targetPath)
{
    return '"' + targetPath + "\" " + CloseOption;
}

int placeProgram(const char* commandLine, PlacerSystem& system)
{
    if (commandLine == nullptr || *commandLine == '\0')
        return HelperFailed;
    // Looked up before the target is touched, so that a helper without its payload never
    // cuts an installed launcher to nothing.
    EmbeddedProgram program;
    if (!system.findEmbeddedProgram(program) || program.size == 0)
        return HelperFailed;
    const std::string targetPath(commandLine);
    if (!system.openTarget(targetPath) && !openTargetAfterClosing(targetPath, system))
        return HelperFailed;
    return writeProgram(program, system) ? HelperSucceeded : HelperFailed;
}
