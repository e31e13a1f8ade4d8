// tandor-query: any command line parses or is refused; for a names file of any bytes, the
// shortcut that makes entries only of names that can rank gives the same results as ranking
// every name.
#include "fuzz_target.h"

#include "catalogue/matcher.h"
#include "names_file.h"
#include "query_options.h"
#include "shell/ascii.h"

#include <algorithm>

namespace {

constexpr int MaxArguments = 6;
constexpr std::size_t MaxLimit = 40;

// A name is compared up to a NUL byte: the shortcut keeps only that much of a line.
std::vector<std::string> ranking(Catalogue& catalogue, const std::string& upperQuery, std::size_t limit)
{
    matchCatalogue(catalogue, upperQuery, std::vector<ScanDirectory>());
    std::vector<std::string> lines;
    for (const ResultSlot& slot : selectResults(catalogue, limit))
        lines.push_back(std::to_string(slot.score) + '\t' + slot.entry->name.c_str());
    return lines;
}

} // namespace

TANDOR_FUZZ_TARGET(query_names)
{
    FuzzInput input(data, size);
    std::vector<std::string> arguments(input.byte() % (MaxArguments + 1));
    for (std::string& argument : arguments)
        argument = input.text();
    QueryOptions options;
    std::string error;
    if (!parseQueryOptions(arguments, options, error))
        FUZZ_CHECK(!error.empty());
    const std::string upperQuery = upperCasedAscii(options.query.substr(0, MaxQueryLength));
    const std::size_t limit = std::min(options.limit, MaxLimit);
    const std::string names = input.rest();

    const ScoreStore scores;
    Catalogue shortcut;
    appendNamesRanking(names, upperQuery, limit, scores, shortcut);
    Catalogue whole;
    appendNames(names, scores, whole);
    FUZZ_CHECK(ranking(shortcut, upperQuery, limit) == ranking(whole, upperQuery, limit));
}
