// scandb.dat: any bytes load; the entries are matched, selected and explained for a query of
// any bytes (a NUL first included), typing it on and taking it back ranks as fresh passes do,
// and what is saved from them loads back to the same entries.
#include "fuzz_target.h"

#include "base/ascii.h"
#include "catalogue/match_explanation.h"
#include "catalogue/matcher.h"
#include "scanning/catalogue_file.h"

namespace {

constexpr std::size_t ResultCapacity = 10;
constexpr std::size_t TypingCapacity = 3;
constexpr std::size_t MostTypedLetters = 12; // more than the passes the matcher keeps
constexpr int MaxDirectories = 4;

} // namespace

TANDOR_FUZZ_TARGET(catalogue_file)
{
    FuzzInput input(data, size);
    const std::string query = upperCasedAscii(input.text('\n').substr(0, MaxQueryLength));
    std::vector<ScanDirectory> directories(input.byte() % (MaxDirectories + 1));
    for (ScanDirectory& directory : directories)
        directory.priority = static_cast<std::int8_t>(input.byte());
    ScoreStore scores;
    Catalogue catalogue;
    if (!loadCatalogueBytes(catalogue, scores, input.rest(), directories))
        return;

    matchCatalogue(catalogue, query, directories);
    for (const ResultSlot& slot : selectResults(catalogue, ResultCapacity)) {
        FUZZ_CHECK(slot.entry >= catalogue.entries.data() &&
                   slot.entry < catalogue.entries.data() + catalogue.entries.size());
        explainMatch(*slot.entry, query, directories);
    }

    // Typing the query letter by letter and taking it back again ranks as fresh passes do.
    const std::string typed = query.substr(0, MostTypedLetters);
    std::vector<std::string> typing;
    for (std::size_t length = 1; length <= typed.size(); ++length)
        typing.push_back(typed.substr(0, length));
    for (std::size_t length = typed.size(); length-- > 1;)
        typing.push_back(typed.substr(0, length));
    for (const std::string& keys : typing) {
        Catalogue fresh;
        fresh.entries = catalogue.entries;
        FUZZ_CHECK(matchCatalogue(catalogue, keys, directories) == matchCatalogue(fresh, keys, directories));
        const std::vector<ResultSlot> slots = selectResults(catalogue, TypingCapacity);
        const std::vector<ResultSlot> freshSlots = selectResults(fresh, TypingCapacity);
        FUZZ_CHECK(slots.size() == freshSlots.size());
        for (std::size_t k = 0; k < slots.size(); ++k) {
            FUZZ_CHECK(slots[k].entry - catalogue.entries.data() == freshSlots[k].entry - fresh.entries.data());
            FUZZ_CHECK(slots[k].score == freshSlots[k].score);
        }
    }

    Catalogue reloaded;
    FUZZ_CHECK(loadCatalogueBytes(reloaded, scores, formatCatalogueFile(catalogue), directories));
    FUZZ_CHECK(reloaded.entries.size() == catalogue.entries.size());
    for (std::size_t i = 0; i < catalogue.entries.size(); ++i) {
        FUZZ_CHECK(reloaded.entries[i].path == catalogue.entries[i].path);
        FUZZ_CHECK(reloaded.entries[i].name == catalogue.entries[i].name);
        FUZZ_CHECK(reloaded.entries[i].directoryIndex == catalogue.entries[i].directoryIndex);
    }
}
