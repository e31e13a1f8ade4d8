// Loading and saving scandb.dat of 100 000 entries, and what an entry costs in memory.
#include "catalogue_generator.h"
#include "catalogue/matcher.h"
#include "scanning/catalogue_file.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <unistd.h>

namespace {

constexpr std::size_t FileEntryCount = 100000;

std::string benchFilePath()
{
    return "/tmp/tandor-bench-scandb-" + std::to_string(getpid()) + ".dat";
}

void SaveCatalogueFile(benchmark::State& state)
{
    const Catalogue catalogue = makeRealisticCatalogue(FileEntryCount);
    const std::string path = benchFilePath();
    for (auto _ : state)
        benchmark::DoNotOptimize(saveCatalogueFile(catalogue, path));
    std::remove(path.c_str());
}

void LoadCatalogueFile(benchmark::State& state)
{
    const std::string path = benchFilePath();
    saveCatalogueFile(makeRealisticCatalogue(FileEntryCount), path);
    const ScoreStore scores;
    for (auto _ : state) {
        Catalogue catalogue;
        benchmark::DoNotOptimize(loadCatalogueFile(catalogue, scores, path));
    }
    std::remove(path.c_str());
}

// Not a timing: the bytes a catalogue of 100 000 entries takes per entry beside its path and
// name texts: the entry record, and the matcher's packed index (per-entry part, and the copy
// of the name text it keeps). Marks of a pass add 8 to 12 bytes per matched entry on top.
void EntryMemory(benchmark::State& state)
{
    Catalogue catalogue = makeRealisticCatalogue(FileEntryCount);
    matchCatalogue(catalogue, "Q", {});
    const MatchIndex& index = catalogue.matchIndex;
    const double count = static_cast<double>(catalogue.entries.size());
    for (auto _ : state)
        benchmark::DoNotOptimize(index.items.data());
    state.counters["entry"] = static_cast<double>(sizeof(CatalogueEntry));
    state.counters["index"] = static_cast<double>(index.items.capacity() * sizeof(MatchIndex::Item) +
                                                  index.firstHits.capacity() * sizeof(std::uint64_t) +
                                                  index.bias.capacity() * sizeof(std::int16_t)) / count;
    state.counters["indexNameCopy"] = static_cast<double>(index.names.capacity()) / count;
}

} // namespace

BENCHMARK(SaveCatalogueFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(LoadCatalogueFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(EntryMemory)->Iterations(1);

BENCHMARK_MAIN();
