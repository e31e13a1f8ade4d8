// tandor-query: the launcher's ranking of a catalogue for one query, on standard output.
#include "data_folder.h"
#include "names_ranking.h"
#include "query_options.h"

#include "base/ascii.h"
#include "base/system_files.h"
#include "catalogue/match_explanation.h"
#include "catalogue/matcher.h"
#include "catalogue/score_store.h"
#include "catalogue/worker_pool.h"
#include "scanning/catalogue_file.h"
#include "settings/data_files.h"
#include "settings/settings_file.h"

#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

enum ExitCode { RanQuery = 0, FileProblem = 1, UsageError = 2 };

struct FileError {
    std::string file;
    std::string problem;
};

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

bool loadCatalogue(const QueryOptions& options, const Settings& settings, const ScoreStore& scores,
                   Catalogue& catalogue, FileError& error)
{
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

// Everything goes out through one buffer and one write.
void appendResult(std::string& out, std::int32_t score, const std::string& name, const std::string& path)
{
    out += std::to_string(score);
    out += '\t';
    out += name;
    out += '\t';
    out += path;
    out += '\n';
}

void appendExplanation(std::string& out, const CatalogueEntry& entry, const std::string& upperQuery,
                       const Settings& settings)
{
    for (const std::string& line : explainMatch(entry, upperQuery, settings.directories).lines) {
        out += "    ";
        out += line;
        out += '\n';
    }
}

std::string catalogueResults(Catalogue& catalogue, const QueryOptions& options, const std::string& upperQuery,
                             const Settings& settings)
{
    std::string out;
    matchCatalogue(catalogue, upperQuery, settings.directories);
    for (const ResultSlot& slot : selectResults(catalogue, options.limit)) {
        appendResult(out, slot.score, slot.entry->name, slot.entry->path);
        if (options.explain)
            appendExplanation(out, *slot.entry, upperQuery, settings);
    }
    return out;
}

// A line's entry: its own path, no directory, the launch score stored for it.
std::string namesResults(const NamesText& text, const QueryOptions& options, const std::string& upperQuery,
                         const Settings& settings, const ScoreStore& scores)
{
    std::string out;
    for (const RankedName& ranked : rankNames(text, upperQuery, options.limit, scores, machineWorkerPool())) {
        appendResult(out, ranked.score, ranked.name, ranked.name);
        if (options.explain) {
            CatalogueEntry entry;
            setName(entry, ranked.name);
            entry.path = ranked.name;
            entry.launchScore = storedLaunchScore(scores, entry.path);
            appendExplanation(out, entry, upperQuery, settings);
        }
    }
    return out;
}

bool queryResults(const QueryOptions& options, const std::string& upperQuery, const Settings& settings,
                  const ScoreStore& scores, std::string& out, FileError& error)
{
    if (!options.namesFile.empty()) {
        NamesText text;
        if (!readNamesFile(options.namesFile, text)) {
            error = {options.namesFile, "cannot be read"};
            return false;
        }
        out = namesResults(text, options, upperQuery, settings, scores);
        return true;
    }
    Catalogue catalogue;
    if (!loadCatalogue(options, settings, scores, catalogue, error))
        return false;
    out = catalogueResults(catalogue, options, upperQuery, settings);
    return true;
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
    std::string out;
    if (!loadSettings(options.settingsFile, settings, error) || !loadScores(options.scoresFile, scores, error) ||
        !queryResults(options, upperQuery, settings, scores, out, error)) {
        std::fprintf(stderr, "tandor-query: %s %s\n", error.file.c_str(), error.problem.c_str());
        return FileProblem;
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
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
