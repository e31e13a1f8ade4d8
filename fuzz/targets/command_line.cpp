// Command lines: the launcher's options, the remover's argument and the placer's target. The
// placer writes only beside the one target it names, and asks only that target to close.
#include "fuzz_target.h"

#include "app/command_line.h"
#include "installhelpers/program_placer.h"
#include "installhelpers/user_data_remover.h"

namespace {

const char Payload[] = "MZ";

// Every call checked against the one target the command line names; some calls fail.
class InputPlacer : public PlacerSystem {
public:
    InputPlacer(std::string target, std::uint8_t failures) : target_(std::move(target)), failures_(failures) {}

    bool findEmbeddedProgram(EmbeddedProgram& program) override
    {
        program.bytes = Payload;
        program.size = sizeof Payload;
        return true;
    }
    bool writeFile(const std::string& path, const void*, std::size_t) override
    {
        FUZZ_CHECK(path == target_ + PlacementSuffix);
        return nextSucceeds();
    }
    bool moveOver(const std::string& from, const std::string& to) override
    {
        FUZZ_CHECK(from == target_ + PlacementSuffix && to == target_);
        return nextSucceeds();
    }
    void removeFile(const std::string& path) override { FUZZ_CHECK(path == target_ + PlacementSuffix); }
    void startHidden(const std::string& program, const std::string& commandLine) override
    {
        FUZZ_CHECK(program == target_ && target_.size() <= MaxTargetPathLength);
        FUZZ_CHECK(commandLine == '"' + target_ + "\" " + CloseOption);
    }
    void sleep(unsigned) override {}

private:
    bool nextSucceeds()
    {
        const bool succeeds = (failures_ & 1) == 0;
        failures_ = static_cast<std::uint8_t>(failures_ >> 1 | 0x80);
        return succeeds;
    }

    std::string target_;
    std::uint8_t failures_;
};

} // namespace

TANDOR_FUZZ_TARGET(command_line)
{
    FuzzInput input(data, size);
    const std::uint8_t failures = input.byte();
    const std::string text = input.text();

    const CommandLineOptions options = parseCommandLine(text.c_str());
    if (text.find('/') == std::string::npos)
        FUZZ_CHECK(!options.closeRequested && !options.tourRequested);
    FUZZ_CHECK(options.closeRequested || !options.closeEverySession);
    isUninstallerArgument(text.c_str());

    InputPlacer placer(targetPathFromCommandLine(text.c_str()), failures);
    placeProgram(text.c_str(), placer);
}
