// One keystroke in the launcher window: a match pass over the whole catalogue and the
// selection of a list's worth of results, for queries of 1 to 6 letters. Keystroke starts
// each pass from an unrelated query (the worst case: pasting, or editing inside the text);
// TypedKeystroke from the same query one letter shorter, as typing does.
#include "catalogue_generator.h"
#include "keystroke_words.h"
#include "catalogue/matcher.h"

#include <benchmark/benchmark.h>

#include <map>

namespace {


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

// A catalogue with its index made (once per catalogue, not per key), on which the benchmark
// words are typed in turn. Arguments: catalogue size, query length.
class Typing {
public:
    explicit Typing(benchmark::State& state, WorkerPool* pool = nullptr)
        : catalogue_(catalogueOfSize(static_cast<std::size_t>(state.range(0)))),
          directories_(benchDirectories()), length_(static_cast<std::size_t>(state.range(1)))
    {
        catalogue_.matchIndex.pool = pool;
        matchCatalogue(catalogue_, "", directories_);
    }
    std::size_t length() const { return length_; }
    // The next word's first `letters` letters.
    std::string nextWord(std::size_t letters)
    {
        const std::string word(TypedWords[word_], letters);
        word_ = (word_ + 1) % TypedWordCount;
        return word;
    }
    // A pass and the selection of a list's worth; the number matched.
    std::size_t keystroke(const std::string& query)
    {
        const std::size_t matched = matchCatalogue(catalogue_, query, directories_);
        std::vector<ResultSlot> slots = selectResults(catalogue_, ListCapacity);
        benchmark::DoNotOptimize(slots.data());
        return matched;
    }

private:
    Catalogue catalogue_;
    std::vector<ScanDirectory> directories_;
    std::size_t length_;
    std::size_t word_ = 0;
};

void runKeystrokes(benchmark::State& state, WorkerPool* pool)
{
    Typing typing(state, pool);
    std::size_t matched = 0;
    for (auto _ : state)
        matched += typing.keystroke(typing.nextWord(typing.length()));
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
void TypedKeystroke(benchmark::State& state)
{
    Typing typing(state);
    for (auto _ : state) {
        state.PauseTiming();
        const std::string typed = typing.nextWord(typing.length());
        typing.keystroke(typed.substr(0, typing.length() - 1));
        state.ResumeTiming();
        typing.keystroke(typed);
    }
}

// Backspace: the word was typed letter by letter up to one letter more than the query.
void BackspaceKeystroke(benchmark::State& state)
{
    Typing typing(state);
    for (auto _ : state) {
        state.PauseTiming();
        const std::string typed = typing.nextWord(typing.length() + 1);
        for (std::size_t letters = 1; letters <= typed.size(); ++letters)
            typing.keystroke(typed.substr(0, letters));
        state.ResumeTiming();
        typing.keystroke(typed.substr(0, typing.length()));
    }
}

// Queries that only search keys match (accents left out, Cyrillic, pinyin, Hangul initials), on
// the calling thread alone, each after an unrelated query. Arguments: catalogue size, query.
const char* const ScriptQueries[] = {"CAFE", "RESUME", "москва", "ZQ", "WEIXIN", "ㅋㅋㅇ", "微信"};

void OneCoreScriptKeystroke(benchmark::State& state)
{
    InlineWorkerPool oneCore;
    Typing typing(state, &oneCore);
    const std::string query = ScriptQueries[state.range(1)];
    state.SetLabel(query);
    std::size_t matched = 0;
    for (auto _ : state) {
        state.PauseTiming();
        typing.keystroke(typing.nextWord(typing.length()));
        state.ResumeTiming();
        matched += typing.keystroke(query);
    }
    state.counters["matched/keystroke"] = static_cast<double>(matched) / static_cast<double>(state.iterations());
}

} // namespace

BENCHMARK(OneCoreScriptKeystroke)
    ->ArgsProduct({{1000000}, {0, 1, 2, 3, 4, 5, 6}})
    ->Iterations(20)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

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
