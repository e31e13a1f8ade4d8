// Loading and saving scandb.dat of 100 000 entries, and what an entry costs in memory.
#include "catalogue_generator.h"
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

// Not a timing: reports the bytes an entry takes beside its path and name characters (the
// entry record itself, plus heap blocks of texts too long for the string's own buffer are
// counted as text).
void EntryMemory(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(sizeof(CatalogueEntry));
    state.counters["bytes/entry"] = static_cast<double>(sizeof(CatalogueEntry));
}

} // namespace

BENCHMARK(SaveCatalogueFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(LoadCatalogueFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(EntryMemory)->Iterations(1);

BENCHMARK_MAIN();
