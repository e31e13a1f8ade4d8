#include "query_options.h"

#include <cerrno>
#include <cstdlib>

const char* const QueryUsage =
    "usage: tandor-query [--catalogue FILE | --names FILE] [--settings FILE] [--scores FILE]\n"
    "                    [--limit N] [--explain] QUERY\n"
    "Prints the best catalogue entries for QUERY, one per line: score, name and path,\n"
    "separated by tabs. --names reads one display name per line instead of a scandb.dat.\n";

namespace {

bool parseLimit(const std::string& text, std::size_t& limit)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    errno = 0;
    const unsigned long long value = std::strtoull(text.c_str(), nullptr, 10);
    if (errno != 0)
        return false;
    limit = static_cast<std::size_t>(value);
    return static_cast<unsigned long long>(limit) == value;
}

} // namespace

bool parseQueryOptions(const std::vector<std::string>& arguments, QueryOptions& options, std::string& error)
{
    bool haveQuery = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (!optionsEnded && word.size() > 1 && word[0] == '-') {
            if (word == "--") {
                optionsEnded = true;
                continue;
            }
            if (word == "--explain") {
                options.explain = true;
                continue;
            }
            if (word == "--help" || word == "-h") {
                options.help = true;
                continue;
            }
            std::string* target = nullptr;
            if (word == "--catalogue")
                target = &options.catalogueFile;
            else if (word == "--names")
                target = &options.namesFile;
            else if (word == "--settings")
                target = &options.settingsFile;
            else if (word == "--scores")
                target = &options.scoresFile;
            else if (word != "--limit") {
                error = "unknown option " + word;
                return false;
            }
            if (i + 1 >= arguments.size()) {
                error = word + " needs a value";
                return false;
            }
            const std::string& value = arguments[++i];
            if (target != nullptr) {
                if (value.empty()) {
                    error = word + " needs a file name";
                    return false;
                }
                *target = value;
            } else if (!parseLimit(value, options.limit)) {
                error = "--limit needs a whole number, not " + value;
                return false;
            }
            continue;
        }
        if (haveQuery) {
            error = "more than one query: " + options.query + " and " + word;
            return false;
        }
        options.query = word;
        haveQuery = true;
    }
    if (options.help)
        return true;
    if (!haveQuery) {
        error = "no query given";
        return false;
    }
    if (!options.catalogueFile.empty() && !options.namesFile.empty()) {
        error = "--catalogue and --names exclude each other";
        return false;
    }
    return true;
}
