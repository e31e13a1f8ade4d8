// The command line of tandor-query.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct QueryOptions {
    std::string catalogueFile;
    std::string namesFile;
    std::string settingsFile;
    std::string scoresFile;
    std::size_t limit = 10;
    bool explain = false;
    bool help = false;
    std::string query;
};

constexpr std::size_t DefaultResultLimit = 10;

// False with a one-line `error` for a command line that cannot be run.
bool parseQueryOptions(const std::vector<std::string>& arguments, QueryOptions& options, std::string& error);

extern const char* const QueryUsage;
