// From a key to the updated result list: the launcher's fill (match pass, selection of a list's
// worth of results, rewriting only the rows whose entry changed) while a word is typed letter
// by letter, with a list control that costs nothing, so the figure is the launcher's own work.
#include "catalogue_generator.h"
#include "keystroke_words.h"
#include "launcher/result_list.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int RowHeight = 17;
constexpr int ListHeight = 17 * 12 + 8; // a list that shows twelve rows

class FreeListView : public ResultListView {
public:
    long rowsWritten = 0;
    int rows = 0;
    ClientSize clientSize() override { return ClientSize{400, ListHeight}; }
    int rowSpacing() override { return RowHeight; }
    bool hasImageList() override { return true; }
    void attachSystemImageList(const std::string&) override {}
    void announceRowCount(int) override {}
    void writeRow(int, CatalogueEntry&, bool, bool replace) override
    {
        ++rowsWritten;
        if (!replace)
            ++rows;
    }
    RowOrigin rowOrigin(int row) override { return RowOrigin{0, row * RowHeight}; }
    void deleteRow(int) override { --rows; }
    void deleteAllRows() override { rows = 0; }
    void selectFirstRow() override {}
    void update() override {}
};

class NoLock : public Lock {
public:
    void enter() override {}
    void leave() override {}
};

// Argument: catalogue size. One iteration is one keystroke; a word's six letters are typed in turn.
void KeyToList(benchmark::State& state)
{
    Catalogue catalogue = makeRealisticCatalogue(static_cast<std::size_t>(state.range(0)));
    const std::vector<ScanDirectory> directories(8);
    FreeListView view;
    NoLock lock;
    SharedResultList shared;
    ListedRows listed;
    const FillContext context{view, lock, shared, listed, catalogue, directories};
    matchCatalogue(catalogue, "", directories); // the index is made once per catalogue, not per key
    std::size_t word = 0;
    std::size_t length = 1;
    long keystrokes = 0;
    for (auto _ : state) {
        refreshResults(context, std::string(TypedWords[word], length));
        ++keystrokes;
        if (++length > 6) {
            length = 1;
            word = (word + 1) % TypedWordCount;
        }
    }
    state.counters["rowsWritten/key"] = static_cast<double>(view.rowsWritten) / static_cast<double>(keystrokes);
}

} // namespace

BENCHMARK(KeyToList)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);
