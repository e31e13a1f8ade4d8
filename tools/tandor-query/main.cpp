// tandor-query: the launcher's ranking of a catalogue for one query, on standard output.
#include "data_folder.h"
#include "names_file.h"
#include "query_options.h"

#include "catalogue/match_explanation.h"
#include "catalogue/matcher.h"
#include "catalogue/score_store.h"
#include "scanning/catalogue_file.h"
#include "settings/settings_file.h"
#include "shell/ascii.h"
#include "shell/system_files.h"

#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

enum ExitCode { RanQuery = 0, FileProblem = 1, UsageError = 2 };

const char* const CatalogueFileName = "scandb.dat";
const char* const SettingsFileName = "Settings.ini";
const char* const ScoresFileName = "scores.dat";

struct FileError {
    std::string file;
    std::string problem;
};

bool fileExists(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    std::fclose(file);
    return true;
}

// What keeps a file named on the command line from being read; empty when nothing does.
std::string problemWithFile(const std::string& path)
{
    struct stat status;
    if (stat(path.c_str(), &status) != 0)
        return "does not exist";
    if ((status.st_mode & S_IFMT) == S_IFDIR)
        return "is a folder, not a file";
    if (!fileExists(path))
        return "cannot be read";
    return std::string();
}

// Every file the command line names must be there and readable; only the launcher's own
// files, taken when none is named, may be missing.
bool checkNamedFiles(const QueryOptions& options, FileError& error)
{
    for (const std::string* path :
         {&options.catalogueFile, &options.namesFile, &options.settingsFile, &options.scoresFile}) {
        if (path->empty())
            continue;
        const std::string problem = problemWithFile(*path);
        if (!problem.empty()) {
            error = {*path, problem};
            return false;
        }
    }
    return true;
}

// Files not named on the command line come from the launcher's data folder, where there is one.
void applyDefaults(QueryOptions& options)
{
    const std::string folder = launcherDataFolder();
    if (folder.empty())
        return;
    if (options.catalogueFile.empty() && options.namesFile.empty())
        options.catalogueFile = folder + CatalogueFileName;
    if (options.settingsFile.empty() && fileExists(folder + SettingsFileName))
        options.settingsFile = folder + SettingsFileName;
    if (options.scoresFile.empty())
        options.scoresFile = folder + ScoresFileName;
}

bool loadSettings(const std::string& path, Settings& settings, FileError& error)
{
    if (path.empty())
        return true;
    std::string text;
    if (!readWholeFile(path, text)) {
        error = {path, "cannot be read"};
        return false;
    }
    parseSettingsText(text, settings);
    return true;
}

bool loadScores(const std::string& path, ScoreStore& scores, FileError& error)
{
    if (path.empty())
        return true;
    if (!loadScoreStore(scores, path)) {
        error = {path, "is not a scores file (no SCO0 magic)"};
        return false;
    }
    return true;
}

bool loadEntries(const QueryOptions& options, const std::string& upperQuery, const Settings& settings,
                 const ScoreStore& scores, Catalogue& catalogue, FileError& error)
{
    if (!options.namesFile.empty()) {
        std::string bytes;
        if (!readNamesFile(options.namesFile, bytes)) {
            error = {options.namesFile, "cannot be read"};
            return false;
        }
        appendNamesRanking(std::move(bytes), upperQuery, options.limit, scores, catalogue);
        return true;
    }
    if (!fileExists(options.catalogueFile)) {
        error = {options.catalogueFile, "cannot be read"};
        return false;
    }
    if (!loadCatalogueFile(catalogue, scores, options.catalogueFile, settings.directories)) {
        error = {options.catalogueFile, "is not a catalogue file (no TCF1 magic)"};
        return false;
    }
    return true;
}

void printResults(const std::vector<ResultSlot>& slots, const QueryOptions& options,
                  const std::string& upperQuery, const Settings& settings)
{
    std::string out;
    for (const ResultSlot& slot : slots) {
        out += std::to_string(slot.score);
        out += '\t';
        out += slot.entry->name;
        out += '\t';
        out += slot.entry->path;
        out += '\n';
        if (options.explain) {
            for (const std::string& line : explainMatch(*slot.entry, upperQuery, settings.directories).lines) {
                out += "    ";
                out += line;
                out += '\n';
            }
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
}

int run(QueryOptions& options)
{
    FileError error;
    if (!checkNamedFiles(options, error)) {
        std::fprintf(stderr, "tandor-query: %s %s\n", error.file.c_str(), error.problem.c_str());
        return FileProblem;
    }
    applyDefaults(options);
    if (options.catalogueFile.empty() && options.namesFile.empty()) {
        std::fprintf(stderr, "tandor-query: give --catalogue FILE or --names FILE\n%s", QueryUsage);
        return UsageError;
    }
    // The launcher window upper-cases what is typed before matching.
    const std::string upperQuery = upperCasedAscii(options.query);
    Settings settings;
    ScoreStore scores;
    Catalogue catalogue;
    if (!loadSettings(options.settingsFile, settings, error) || !loadScores(options.scoresFile, scores, error) ||
        !loadEntries(options, upperQuery, settings, scores, catalogue, error)) {
        std::fprintf(stderr, "tandor-query: %s %s\n", error.file.c_str(), error.problem.c_str());
        return FileProblem;
    }
    matchCatalogue(catalogue, upperQuery, settings.directories);
    printResults(selectResults(catalogue, options.limit), options, upperQuery, settings);
    return RanQuery;
}

} // namespace

int main(int argc, char** argv)
{
    QueryOptions options;
    std::string error;
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + (argc > 0 ? argc : 0));
    if (!parseQueryOptions(arguments, options, error)) {
        std::fprintf(stderr, "tandor-query: %s\n%s", error.c_str(), QueryUsage);
        return UsageError;
    }
    if (options.help) {
        std::fputs(QueryUsage, stdout);
        return RanQuery;
    }
    return run(options);
}
