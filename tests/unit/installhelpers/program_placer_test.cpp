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
    int busyOpens = 0;       // opens that fail before the target is free
    bool hasProgram = true;
    std::size_t programSize = sizeof Payload;
    bool writeWorks = true;
    bool closeWorks = true;
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

    bool openTarget(const std::string&) override
    {
        const bool free = busyOpens == 0;
        calls.push_back(free ? "open" : "busy");
        if (!free)
            --busyOpens;
        return free;
    }

    bool writeTarget(const void* bytes, std::size_t size) override
    {
        calls.push_back("write " + std::string(static_cast<const char*>(bytes), size - 1));
        return writeWorks;
    }

    bool closeTarget() override
    {
        calls.push_back("close");
        return closeWorks;
    }

    void startHidden(const std::string& program, const std::string& commandLine) override
    {
        calls.push_back("start");
        startedProgram = program;
        startedCommand = commandLine;
    }

    void sleep(unsigned milliseconds) override { calls.push_back("sleep " + std::to_string(milliseconds)); }
};

using Calls = std::vector<std::string>;
const std::string Written = std::string("write ") + Payload;

TEST(ProgramPlacer, MissingCommandLineFailsWithoutTouchingAnything)
{
    for (const char* commandLine : {static_cast<const char*>(nullptr), ""}) {
        FakePlacer system;
        EXPECT_EQ(placeProgram(commandLine, system), HelperFailed);
        EXPECT_TRUE(system.calls.empty());
    }
}

TEST(ProgramPlacer, FreeTargetIsWrittenWithoutAnyCloseRequest)
{
    FakePlacer system;
    EXPECT_EQ(placeProgram("C:\\Tandor\\Tandor.exe", system), HelperSucceeded);
    EXPECT_EQ(system.calls, (Calls{"find", "open", Written, "close"}));
}

TEST(ProgramPlacer, BusyTargetAsksTheLauncherToCloseAndWaits)
{
    FakePlacer system;
    system.busyOpens = 3;
    EXPECT_EQ(placeProgram("C:\\Program Files\\Tandor\\Tandor.exe", system), HelperSucceeded);
    EXPECT_EQ(system.calls, (Calls{"find", "busy", "start", "sleep 500", "busy", "sleep 500", "busy", "sleep 500",
                                   "open", Written, "close"}));
    EXPECT_EQ(system.startedProgram, "C:\\Program Files\\Tandor\\Tandor.exe");
    EXPECT_EQ(system.startedCommand, "\"C:\\Program Files\\Tandor\\Tandor.exe\" /CLOSE");
}

TEST(ProgramPlacer, GivesUpAfterSevenWaits)
{
    FakePlacer system;
    system.busyOpens = 1 + TargetOpenRetries;
    EXPECT_EQ(placeProgram("Z:\\missing\\Tandor.exe", system), HelperFailed);
    Calls expected{"find", "busy", "start"};
    for (int attempt = 0; attempt < 7; ++attempt) {
        expected.push_back("sleep 500");
        expected.push_back("busy");
    }
    EXPECT_EQ(system.calls, expected);
}

TEST(ProgramPlacer, LastOfTheSevenAttemptsStillCounts)
{
    FakePlacer system;
    system.busyOpens = TargetOpenRetries;
    EXPECT_EQ(placeProgram("C:\\Tandor.exe", system), HelperSucceeded);
    EXPECT_EQ(system.calls.back(), "close");
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
        system.busyOpens = 100;
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
        EXPECT_EQ(placeProgram("C:\\Tandor\\Tandor.exe", *system), HelperFailed);
        EXPECT_EQ(system->calls, Calls{"find"});
    }
}

TEST(ProgramPlacer, FailedWriteOrCloseIsNotReportedAsSuccess)
{
    FakePlacer badWrite;
    badWrite.writeWorks = false;
    FakePlacer badClose;
    badClose.closeWorks = false;
    for (FakePlacer* system : {&badWrite, &badClose}) {
        EXPECT_EQ(placeProgram("C:\\Tandor\\Tandor.exe", *system), HelperFailed);
        EXPECT_EQ(system->calls.back(), "close");
    }
}

} // namespace
