#include "installhelpers/helper_exit_codes.h"
#include "installhelpers/program_placer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char Payload[] = "MZ launcher bytes";

// Records every call as one line, so that a test can compare the whole sequence.
class FakePlacer : public PlacerSystem {
public:
    int busyMoves = 0;       // moves that fail before the target is free
    bool hasProgram = true;
    std::size_t programSize = sizeof Payload;
    bool writeWorks = true;
    std::vector<std::string> calls;
    std::string startedProgram;
    std::string startedCommand;

    bool findEmbeddedProgram(EmbeddedProgram& program) override
    {
        calls.push_back("find");
        program.bytes = Payload;
        program.size = programSize;
        return hasProgram;
    }

    bool writeFile(const std::string& path, const void* bytes, std::size_t size) override
    {
        calls.push_back("write " + path + ": " + std::string(static_cast<const char*>(bytes), size - 1));
        return writeWorks;
    }

    bool moveOver(const std::string& from, const std::string& to) override
    {
        const bool free = busyMoves == 0;
        calls.push_back((free ? "move " : "busy ") + from + " > " + to);
        if (!free)
            --busyMoves;
        return free;
    }

    void removeFile(const std::string& path) override { calls.push_back("remove " + path); }

    void startHidden(const std::string& program, const std::string& commandLine) override
    {
        calls.push_back("start");
        startedProgram = program;
        startedCommand = commandLine;
    }

    void sleep(unsigned milliseconds) override { calls.push_back("sleep " + std::to_string(milliseconds)); }
};

using Calls = std::vector<std::string>;
const std::string Target = "C:\\Program Files\\Tandor\\Tandor.exe";
const std::string Written = "write " + Target + ".new: " + Payload;
const std::string Moved = "move " + Target + ".new > " + Target;
const std::string Busy = "busy " + Target + ".new > " + Target;

TEST(ProgramPlacer, MissingCommandLineFailsWithoutTouchingAnything)
{
    for (const char* commandLine : {static_cast<const char*>(nullptr), "", "  ", "\"\""}) {
        FakePlacer system;
        EXPECT_EQ(placeProgram(commandLine, system), HelperFailed);
        EXPECT_TRUE(system.calls.empty());
    }
}

TEST(ProgramPlacer, TargetIsWrittenBesideAndMovedOverWithoutAnyCloseRequest)
{
    FakePlacer system;
    EXPECT_EQ(placeProgram(Target.c_str(), system), HelperSucceeded);
    EXPECT_EQ(system.calls, (Calls{"find", Written, Moved}));
}

TEST(ProgramPlacer, OnePairOfQuotesAroundThePathIsTakenOff)
{
    const struct {
        const char* commandLine;
        const char* path;
    } cases[] = {
        {"\"C:\\Program Files\\Tandor\\Tandor.exe\"", "C:\\Program Files\\Tandor\\Tandor.exe"},
        {" \"C:\\Program Files\\T.exe\" ", "C:\\Program Files\\T.exe"},
        {"C:\\Program Files\\T.exe", "C:\\Program Files\\T.exe"},
        {"\"\"C:\\T.exe\"\"", "\"C:\\T.exe\""},
        {"\"C:\\T.exe", "\"C:\\T.exe"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(targetPathFromCommandLine(c.commandLine), c.path) << c.commandLine;
}

TEST(ProgramPlacer, BusyTargetAsksTheLauncherToCloseAndWaits)
{
    FakePlacer system;
    system.busyMoves = 3;
    EXPECT_EQ(placeProgram(("\"" + Target + "\"").c_str(), system), HelperSucceeded);
    EXPECT_EQ(system.calls, (Calls{"find", Written, Busy, "start", "sleep 500", Busy, "sleep 500", Busy, "sleep 500",
                                   Moved}));
    EXPECT_EQ(system.startedProgram, Target);
    EXPECT_EQ(system.startedCommand, "\"" + Target + "\" /CLOSE");
}

TEST(ProgramPlacer, GivesUpAfterSevenWaitsAndRemovesWhatItWrote)
{
    FakePlacer system;
    system.busyMoves = 1 + TargetMoveRetries;
    EXPECT_EQ(placeProgram(Target.c_str(), system), HelperFailed);
    Calls expected{"find", Written, Busy, "start"};
    for (int attempt = 0; attempt < 7; ++attempt) {
        expected.push_back("sleep 500");
        expected.push_back(Busy);
    }
    expected.push_back("remove " + Target + ".new");
    EXPECT_EQ(system.calls, expected);
}

TEST(ProgramPlacer, LastOfTheSevenAttemptsStillCounts)
{
    FakePlacer system;
    system.busyMoves = TargetMoveRetries;
    EXPECT_EQ(placeProgram(Target.c_str(), system), HelperSucceeded);
    EXPECT_EQ(system.calls.back(), Moved);
}

TEST(ProgramPlacer, OverlongBusyPathIsRefusedBeforeAnyCloseRequest)
{
    const std::string limit = "C:\\" + std::string(MaxTargetPathLength - 3, 'p');
    const struct {
        std::string path;
        bool closeRequested;
    } cases[] = {{limit, true}, {limit + "p", false}};
    for (const auto& c : cases) {
        FakePlacer system;
        system.busyMoves = 100;
        EXPECT_EQ(placeProgram(c.path.c_str(), system), HelperFailed);
        EXPECT_EQ(!system.startedCommand.empty(), c.closeRequested) << c.path.size();
    }
}

TEST(ProgramPlacer, WithoutItsPayloadTheInstalledTargetIsLeftAlone)
{
    FakePlacer missing;
    missing.hasProgram = false;
    FakePlacer empty;
    empty.programSize = 0;
    for (FakePlacer* system : {&missing, &empty}) {
        EXPECT_EQ(placeProgram(Target.c_str(), *system), HelperFailed);
        EXPECT_EQ(system->calls, Calls{"find"});
    }
}

TEST(ProgramPlacer, FailedWriteLeavesTheTargetAloneAndIsNotReportedAsSuccess)
{
    FakePlacer system;
    system.writeWorks = false;
    EXPECT_EQ(placeProgram(Target.c_str(), system), HelperFailed);
    EXPECT_EQ(system.calls, (Calls{"find", Written, "remove " + Target + ".new"}));
}

} // namespace
