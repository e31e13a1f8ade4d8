// The keystroke benchmark without a benchmark library, so that it also runs as a 32-bit Windows
// program (under Wine here): the same catalogues, queries and passes as `Keystroke` and
// `TypedKeystroke`, timed with the standard clock; medians in milliseconds.
// Then queries that only search keys match, each after an unrelated one.
// Usage: tandor-keystrokes [ENTRIES] [ROUNDS] [PERCENT OF NAMES IN OTHER SCRIPTS]
#include "catalogue_generator.h"
#include "keystroke_words.h"
#include "catalogue/matcher.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {


double milliseconds(std::chrono::steady_clock::duration span)
{
    return std::chrono::duration<double, std::milli>(span).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One keystroke of `length` letters; when typed, the pass before had one letter fewer.
double timeKeystroke(Catalogue& catalogue, const std::vector<ScanDirectory>& directories, std::size_t word,
                     std::size_t length, bool typed)
{
    const std::string query(TypedWords[word % TypedWordCount], length);
    if (typed) {
        matchCatalogue(catalogue, query.substr(0, length - 1), directories);
        selectResults(catalogue, ListCapacity);
    } else {
        matchCatalogue(catalogue, std::string(TypedWords[(word + 1) % TypedWordCount], length), directories);
    }
    const auto start = std::chrono::steady_clock::now();
    matchCatalogue(catalogue, query, directories);
    const std::vector<ResultSlot> slots = selectResults(catalogue, ListCapacity);
    const auto end = std::chrono::steady_clock::now();
    return slots.empty() ? -1 : milliseconds(end - start);
}

// Typed as a user of each script would: accents left out, Cyrillic, pinyin, Hangul initials.
const char* const ScriptQueries[] = {"CAFE", "RESUME", "москва", "ZQ", "WEIXIN", "ㅋㅋㅇ", "微信"};

double timeScriptKeystroke(Catalogue& catalogue, const std::vector<ScanDirectory>& directories, const char* query)
{
    matchCatalogue(catalogue, "PHOTOV", directories);
    const auto start = std::chrono::steady_clock::now();
    matchCatalogue(catalogue, query, directories);
    const std::vector<ResultSlot> slots = selectResults(catalogue, ListCapacity);
    const auto end = std::chrono::steady_clock::now();
    return slots.empty() ? -1 : milliseconds(end - start);
}

} // namespace

int main(int argc, char** argv)
{
    const std::size_t entries = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 30;
    const unsigned scriptPercent = argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : DefaultScriptPercent;
    const auto madeAt = std::chrono::steady_clock::now();
    Catalogue catalogue = makeRealisticCatalogue(entries, 8, scriptPercent);
    std::vector<ScanDirectory> directories(8);
    for (std::size_t i = 0; i < directories.size(); ++i)
        directories[i].priority = static_cast<std::int8_t>(static_cast<int>(i % 5) - 2);
    const auto indexAt = std::chrono::steady_clock::now();
    matchCatalogue(catalogue, "", directories); // the index is made once per catalogue
    std::printf("catalogue made in %.0f ms, its index in %.0f ms\n", milliseconds(indexAt - madeAt),
                milliseconds(std::chrono::steady_clock::now() - indexAt));
    std::printf("%zu entries, medians of %d keystrokes (ms)\n", entries, rounds);
    for (bool typed : {false, true}) {
        for (std::size_t length = typed ? 2 : 1; length <= 3; ++length) {
            std::vector<double> times;
            for (int round = 0; round < rounds; ++round)
                times.push_back(timeKeystroke(catalogue, directories, static_cast<std::size_t>(round), length, typed));
            std::printf("%s/%zu/%zu %.2f\n", typed ? "TypedKeystroke" : "Keystroke", entries, length, median(times));
        }
    }
    for (const char* query : ScriptQueries) {
        std::vector<double> times;
        for (int round = 0; round < rounds; ++round)
            times.push_back(timeScriptKeystroke(catalogue, directories, query));
        std::printf("ScriptKeystroke/%zu/%s %.2f\n", entries, query, median(times));
    }
    return 0;
}
