// tandor-query as a program: what it prints, its exit codes, and files it cannot use.
#include "catalogue/score_store.h"
#include "catalogue/scratch_file.h"
#include "scanning/catalogue_file.h"
#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>

#include <algorithm>
#include <random>

#ifdef TANDOR_QUERY_PROGRAM

namespace {

using namespace std::string_literals;

struct QueryRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string quoted(const std::string& word)
{
    std::string result = "'";
    for (char c : word)
        result += c == '\'' ? "'\\''"s : std::string(1, c);
    return result + "'";
}

QueryRun runQuery(const std::vector<std::string>& arguments)
{
    ScratchFile errors("query-stderr");
    std::string command = TANDOR_QUERY_PROGRAM;
    for (const std::string& argument : arguments)
        command += " " + quoted(argument);
    command += " 2>" + errors.path();
    QueryRun run;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, got);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = errors.read();
    return run;
}

class QueryProgram : public testing::Test {
protected:
    QueryProgram() : names_("names")
    {
        names_.write("Tape Backup Editor\r\nPhoto Album Viewer\n\nPhotoAlbum\nPhoto-Album\nNotes");
    }
    ScratchFile names_;
};

} // namespace

TEST_F(QueryProgram, PrintsScoreNameAndPathBestFirst)
{
    const QueryRun run = runQuery({"--names", names_.path(), "pa"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "34\tPhoto Album Viewer\tPhoto Album Viewer\n"
                       "34\tPhoto-Album\tPhoto-Album\n"
                       "31\tPhotoAlbum\tPhotoAlbum\n"
                       "0\tTape Backup Editor\tTape Backup Editor\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(QueryProgram, LimitAndEmptyResults)
{
    struct Case { std::vector<std::string> arguments; std::size_t lines; } cases[] = {
        {{"--limit", "2", "pa"}, 2},
        {{"--limit", "0", "pa"}, 0},
        {{"--limit", "99999999999", "pa"}, 4},
        {{"zzz"}, 0},
        {{""}, 0},                   // an empty query matches nothing
        {{"--", "-"}, 1},            // after -- a dash is the query: Photo-Album
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments = {"--names", names_.path()};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const QueryRun run = runQuery(arguments);
        EXPECT_EQ(run.exitCode, 0) << c.arguments.back();
        EXPECT_EQ(static_cast<std::size_t>(std::count(run.out.begin(), run.out.end(), '\n')), c.lines)
            << c.arguments.back();
    }
}

TEST_F(QueryProgram, ExplainIndentsTheTermsUnderEachResult)
{
    const QueryRun run = runQuery({"--names", names_.path(), "--limit", "1", "--explain", "TBE"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "41\tTape Backup Editor\tTape Backup Editor\n"
                       "    launch score 0 x 10: +0\n"
                       "    directory: none, +0\n"
                       "    hit 'T' at 1: +2, +11 word start, +14 name start\n"
                       "    5 steps: -5\n"
                       "    hit 'B' at 6: +2, +11 word start\n"
                       "    7 steps: -7\n"
                       "    hit 'E' at 13: +2, +11 word start\n"
                       "    total 41\n");
}

TEST_F(QueryProgram, UsageErrorsExitTwoWithNothingOnStandardOutput)
{
    const std::vector<std::vector<std::string>> cases = {
        {"--names", names_.path()},
        {"--names", names_.path(), "a", "b"},
        {"--names", names_.path(), "--limit", "x", "a"},
        {"--names", names_.path(), "--limit", "-1", "a"},
        {"--names", names_.path(), "--limit"},
        {"--names"},
        {"--names", names_.path(), "--bogus", "a"},
        {"--names", names_.path(), "--catalogue", names_.path(), "a"},
        {"a"}, // neither a catalogue nor names, and no data folder off Windows
    };
    for (const auto& arguments : cases) {
        const QueryRun run = runQuery(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.back();
        EXPECT_EQ(run.out, "") << arguments.back();
        EXPECT_NE(run.err.find("usage:"), std::string::npos) << arguments.back();
    }
}

TEST_F(QueryProgram, CatalogueWithSettingsAndScores)
{
    Catalogue catalogue;
    const char* const names[] = {"Notepad", "Notes", "Nothing"};
    for (int i = 0; i < 3; ++i) {
        CatalogueEntry entry;
        entry.path = "C:\\D" + std::to_string(i) + "\\" + names[i];
        setName(entry, names[i]);
        entry.directoryIndex = i;
        appendEntry(catalogue, entry);
    }
    ScratchFile scandb("scandb");
    ASSERT_TRUE(saveCatalogueFile(catalogue, scandb.path()));

    Settings settings;
    for (int i = 0; i < 3; ++i) {
        ScanDirectory directory;
        directory.path = "C:\\D" + std::to_string(i) + "\\";
        directory.name = "D" + std::to_string(i);
        directory.priority = static_cast<std::int8_t>(i - 1);
        settings.directories.push_back(directory);
    }
    ScratchFile ini("settings");
    ini.write(formatSettingsText(settings));

    ScratchFile scores("scores");
    const std::string path = "C:\\D0\\Notepad";
    scores.write("SCO0"s + '\x01' + static_cast<char>(path.size() + 1) + '\0' + path + '\0');

    const QueryRun plain = runQuery({"--catalogue", scandb.path(), "not"});
    EXPECT_EQ(plain.out, "29\tNotepad\tC:\\D0\\Notepad\n29\tNotes\tC:\\D1\\Notes\n29\tNothing\tC:\\D2\\Nothing\n");
    // Priorities -1, 0, +1 weigh -8, 0, +8; Notepad was launched once (+10).
    const QueryRun weighted = runQuery({"--catalogue", scandb.path(), "--settings", ini.path(), "--scores",
                                        scores.path(), "not"});
    EXPECT_EQ(weighted.exitCode, 0);
    EXPECT_EQ(weighted.out, "37\tNothing\tC:\\D2\\Nothing\n31\tNotepad\tC:\\D0\\Notepad\n29\tNotes\tC:\\D1\\Notes\n");
}

TEST_F(QueryProgram, FilesItCannotUseExitOneNamingTheFile)
{
    ScratchFile missing("missing");
    ScratchFile notCatalogue("not-catalogue");
    notCatalogue.write("TCF2\0\0\0\0"s);
    ScratchFile notScores("not-scores");
    notScores.write("SCO1");
    ScratchFile empty("empty");
    empty.write("");
    const std::string folder = testing::TempDir();
    struct Case { std::vector<std::string> arguments; std::string file; } cases[] = {
        {{"--names", missing.path(), "a"}, missing.path()},
        {{"--names", folder, "a"}, folder},
        {{"--catalogue", folder, "a"}, folder},
        {{"--catalogue", empty.path(), "a"}, empty.path()},
        {{"--names", names_.path(), "--settings", folder, "a"}, folder},
        {{"--names", names_.path(), "--scores", folder, "a"}, folder},
        {{"--names", names_.path(), "--scores", missing.path(), "a"}, missing.path()},
        {{"--names", names_.path(), "--scores", empty.path(), "a"}, empty.path()},
        {{"--catalogue", missing.path(), "a"}, missing.path()},
        {{"--catalogue", notCatalogue.path(), "a"}, notCatalogue.path()},
        {{"--names", names_.path(), "--scores", notScores.path(), "a"}, notScores.path()},
        {{"--names", names_.path(), "--settings", missing.path(), "a"}, missing.path()},
    };
    for (const Case& c : cases) {
        const QueryRun run = runQuery(c.arguments);
        EXPECT_EQ(run.exitCode, 1) << c.file;
        EXPECT_EQ(run.out, "") << c.file;
        EXPECT_NE(run.err.find(c.file), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

TEST_F(QueryProgram, GarbageCataloguesNeverCrashIt)
{
    std::mt19937 random(3);
    ScratchFile scandb("scandb");
    for (int round = 0; round < 20; ++round) {
        std::string bytes = "TCF1";
        bytes.resize(4 + random() % 300);
        for (std::size_t i = 4; i < bytes.size(); ++i)
            bytes[i] = static_cast<char>(random() % 3 == 0 ? 0 : random());
        scandb.write(bytes);
        EXPECT_EQ(runQuery({"--catalogue", scandb.path(), "--explain", "a"}).exitCode, 0);
    }
}

#endif
