// tandor-query: any command line parses or is refused; for a names file of any bytes, ranking
// the lines where they stand gives the results of making every line an entry and matching those.
#include "fuzz_target.h"

#include "base/ascii.h"
#include "catalogue/matcher.h"
#include "names_ranking.h"
#include "query_options.h"

#include <algorithm>

namespace {

constexpr int MaxArguments = 6;
constexpr std::size_t MaxLimit = 40;

std::vector<std::pair<std::string, std::int32_t>> rankingOfEntries(Catalogue& catalogue, const std::string& upperQuery,
                                                                   std::size_t limit)
{
    matchCatalogue(catalogue, upperQuery, std::vector<ScanDirectory>());
    std::vector<std::pair<std::string, std::int32_t>> ranked;
    for (const ResultSlot& slot : selectResults(catalogue, limit))
        ranked.emplace_back(slot.entry->name, slot.score);
    return ranked;
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
    NamesText text;
    copyNamesText(names, text);
    InlineWorkerPool onePart;
    std::vector<std::pair<std::string, std::int32_t>> ranked;
    for (const RankedName& name : rankNames(text, upperQuery, limit, scores, onePart))
        ranked.emplace_back(name.name, name.score);
    Catalogue whole;
    appendNames(names, scores, whole);
    FUZZ_CHECK(ranked == rankingOfEntries(whole, upperQuery, limit));
}
