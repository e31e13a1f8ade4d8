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

std::size_t heapBytes(const std::string& text)
{
    return text.capacity() > 15 ? text.capacity() + 1 : 0; // past the string's own small buffer
}

// Not a timing: what the search keys of the names in other scripts add to the catalogue in
// memory, against the catalogue with the same names and no keys (entries, their texts and the
// index as before). A name with keys is not copied into the index: its keys stand there instead.
void SearchKeyMemory(benchmark::State& state)
{
    Catalogue catalogue = makeRealisticCatalogue(FileEntryCount);
    matchCatalogue(catalogue, "Q", {});
    const MatchIndex& index = catalogue.matchIndex;
    std::size_t before = 0;
    std::size_t keyedNames = 0;
    for (const CatalogueEntry& entry : catalogue.entries)
        before += sizeof(CatalogueEntry) + heapBytes(entry.path) + heapBytes(entry.name) + entry.name.size() + 1;
    for (std::uint32_t place : index.keyedPlaces)
        keyedNames += catalogue.entries[place].name.size() + 1;
    before += index.items.size() * sizeof(MatchIndex::Item) + index.firstHits.size() * sizeof(std::uint64_t) +
              index.bias.size() * sizeof(std::int16_t);
    const std::size_t keyBytes = index.names.size() - MatchIndexPadding;
    std::size_t nameBytes = 0;
    for (const CatalogueEntry& entry : catalogue.entries)
        nameBytes += entry.name.size() + 1;
    const std::size_t added = (keyBytes - (nameBytes - keyedNames)) - keyedNames + index.keyed.size() * 4 +
                              index.keyedPlaces.size() * 4 + index.keyedOthers.size() * 4 +
                              index.keyedFirstScores.size();
    for (auto _ : state)
        benchmark::DoNotOptimize(index.items.data());
    state.counters["keyed"] = static_cast<double>(index.keyedPlaces.size()) / static_cast<double>(catalogue.entries.size());
    state.counters["before/entry"] = static_cast<double>(before) / static_cast<double>(catalogue.entries.size());
    state.counters["added/entry"] = static_cast<double>(added) / static_cast<double>(catalogue.entries.size());
    state.counters["growth%"] = 100.0 * static_cast<double>(added) / static_cast<double>(before);
}

} // namespace

BENCHMARK(SaveCatalogueFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(LoadCatalogueFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(EntryMemory)->Iterations(1);
BENCHMARK(SearchKeyMemory)->Iterations(1);

BENCHMARK_MAIN();
