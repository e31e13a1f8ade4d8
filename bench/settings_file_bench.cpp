// Reading and writing Settings.ini: a large hand-made configuration and a hostile 1 MB line.
#include <benchmark/benchmark.h>

#include <string>

#include "settings/settings_file.h"

namespace {

constexpr int BenchDefinitions = 100;
constexpr int BenchDirectories = 500;

Settings largeSettings()
{
    Settings settings;
    for (int i = 0; i < BenchDefinitions; ++i)
        addScanDefinition(settings.definitions, settings.global.NextScanID, "Definition " + std::to_string(i),
                          "*.exe;*.com;*.bat;*.msc;*.ico", "*unins*;*unvise*", i & 1);
    for (int i = 0; i < BenchDirectories; ++i) {
        ScanDirectory& directory = addScanDirectory(
            settings.directories, "C:\\Users\\Someone\\Documents\\Projects\\Folder " + std::to_string(i), i % 100);
        directory.name = "Folder " + std::to_string(i);
    }
    return settings;
}

void BM_ParseLargeSettings(benchmark::State& state)
{
    const std::string text = formatSettingsText(largeSettings());
    for (auto _ : state) {
        Settings settings;
        parseSettingsText(text, settings);
        benchmark::DoNotOptimize(settings.directories.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ParseLargeSettings);

void BM_FormatLargeSettings(benchmark::State& state)
{
    const Settings settings = largeSettings();
    for (auto _ : state)
        benchmark::DoNotOptimize(formatSettingsText(settings));
}
BENCHMARK(BM_FormatLargeSettings);

void BM_ParseMegabyteLine(benchmark::State& state)
{
    const std::string text = "[ScanDef]\n1=\"" + std::string(1 << 20, 'x') + "\",\"*\",\"\",0\n";
    for (auto _ : state) {
        Settings settings;
        parseSettingsText(text, settings);
        benchmark::DoNotOptimize(settings.definitions.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ParseMegabyteLine);

} // namespace
