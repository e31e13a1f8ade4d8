// One keystroke in the launcher window: a match pass over the whole catalogue and the
// selection of a list's worth of results, for queries of 1 to 6 letters. Keystroke starts
// each pass from an unrelated query (the worst case: pasting, or editing inside the text);
// TypedKeystroke from the same query one letter shorter, as typing does.
#include "catalogue_generator.h"
#include "catalogue/matcher.h"

#include <benchmark/benchmark.h>

#include <map>

namespace {

constexpr std::size_t ListCapacity = 20;
const char* const TypedWords[] = {"PHOTOV", "MSWORD", "NOTEPA", "IEXPLO", "TBEDIT", "SETUP1"};

const Catalogue& catalogueOfSize(std::size_t count)
{
    static std::map<std::size_t, Catalogue> made;
    auto found = made.find(count);
    if (found == made.end())
        found = made.emplace(count, makeRealisticCatalogue(count)).first;
    return found->second;
}

std::vector<ScanDirectory> benchDirectories()
{
    std::vector<ScanDirectory> directories(8);
    for (std::size_t i = 0; i < directories.size(); ++i)
        directories[i].priority = static_cast<std::int8_t>(static_cast<int>(i % 5) - 2);
    return directories;
}

// Arguments: catalogue size, query length. `pool` null: the machine's.
void runKeystrokes(benchmark::State& state, WorkerPool* pool)
{
    Catalogue catalogue = catalogueOfSize(static_cast<std::size_t>(state.range(0)));
    catalogue.matchIndex.pool = pool;
    const std::vector<ScanDirectory> directories = benchDirectories();
    matchCatalogue(catalogue, "", directories); // the index is made once per catalogue, not per key
    const std::size_t length = static_cast<std::size_t>(state.range(1));
    std::size_t word = 0;
    std::size_t matched = 0;
    for (auto _ : state) {
        const std::string query(TypedWords[word], length);
        word = (word + 1) % (sizeof TypedWords / sizeof TypedWords[0]);
        matched += matchCatalogue(catalogue, query, directories);
        std::vector<ResultSlot> slots = selectResults(catalogue, ListCapacity);
        benchmark::DoNotOptimize(slots.data());
    }
    state.counters["matched/keystroke"] =
        static_cast<double>(matched) / static_cast<double>(state.iterations());
}

void Keystroke(benchmark::State& state)
{
    runKeystrokes(state, nullptr);
}

// The same on the calling thread alone, as on a machine with one core.
void OneCoreKeystroke(benchmark::State& state)
{
    InlineWorkerPool oneCore;
    runKeystrokes(state, &oneCore);
}

// As a user types: the pass before the measured one had the query one letter shorter.
// Arguments: catalogue size, query length.
void TypedKeystroke(benchmark::State& state)
{
    Catalogue catalogue = catalogueOfSize(static_cast<std::size_t>(state.range(0)));
    const std::vector<ScanDirectory> directories = benchDirectories();
    matchCatalogue(catalogue, "", directories);
    const std::size_t length = static_cast<std::size_t>(state.range(1));
    std::size_t word = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string typed(TypedWords[word], length);
        word = (word + 1) % (sizeof TypedWords / sizeof TypedWords[0]);
        matchCatalogue(catalogue, typed.substr(0, length - 1), directories);
        selectResults(catalogue, ListCapacity);
        state.ResumeTiming();
        matchCatalogue(catalogue, typed, directories);
        std::vector<ResultSlot> slots = selectResults(catalogue, ListCapacity);
        benchmark::DoNotOptimize(slots.data());
    }
}

// Backspace: the passes before were the query and the query with one more letter, typed.
// Arguments: catalogue size, query length after the Backspace.
void BackspaceKeystroke(benchmark::State& state)
{
    Catalogue catalogue = catalogueOfSize(static_cast<std::size_t>(state.range(0)));
    const std::vector<ScanDirectory> directories = benchDirectories();
    matchCatalogue(catalogue, "", directories);
    const std::size_t length = static_cast<std::size_t>(state.range(1));
    std::size_t word = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string typed(TypedWords[word], length + 1);
        word = (word + 1) % (sizeof TypedWords / sizeof TypedWords[0]);
        for (std::size_t letters = 1; letters <= typed.size(); ++letters) {
            matchCatalogue(catalogue, typed.substr(0, letters), directories);
            selectResults(catalogue, ListCapacity);
        }
        state.ResumeTiming();
        matchCatalogue(catalogue, typed.substr(0, length), directories);
        std::vector<ResultSlot> slots = selectResults(catalogue, ListCapacity);
        benchmark::DoNotOptimize(slots.data());
    }
}

} // namespace

// The measured part is so short that the library would otherwise repeat the typing before it
// for minutes.
BENCHMARK(BackspaceKeystroke)
    ->ArgsProduct({{100000, 1000000}, {1, 2}})
    ->Iterations(30)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK(TypedKeystroke)
    ->ArgsProduct({{10000, 100000, 1000000}, {2, 3, 4, 5, 6}})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK(Keystroke)
    ->ArgsProduct({{10000, 100000, 1000000}, {1, 2, 3, 4, 5, 6}})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK(OneCoreKeystroke)
    ->ArgsProduct({{100000, 1000000}, {1, 2, 3, 6}})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
