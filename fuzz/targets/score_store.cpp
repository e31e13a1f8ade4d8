// scores.dat: any bytes load; every record loaded is saved and loads back the same, those that
// older readers stop at after all the others.
#include "fuzz_target.h"

#include "catalogue/score_store.h"

#include <vector>

namespace {

// Records longer than this stop an older reader.
constexpr std::size_t LegacyReadableRecordLength = 270;

} // namespace

TANDOR_FUZZ_TARGET(score_store)
{
    ScoreStore loaded;
    if (!loadScoreBytes(loaded, std::string(reinterpret_cast<const char*>(data), size)))
        return;
    const std::string saved = formatScoreFile(loaded);
    ScoreStore reloaded;
    FUZZ_CHECK(loadScoreBytes(reloaded, saved));
    std::vector<const ScoreRecord*> expected;
    for (const bool longRecords : {false, true}) {
        for (const ScoreRecord& record : loaded.records) {
            if ((record.path.size() + 1 > LegacyReadableRecordLength) == longRecords)
                expected.push_back(&record);
        }
    }
    FUZZ_CHECK(reloaded.records.size() == expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        FUZZ_CHECK(reloaded.records[i].path == expected[i]->path);
        FUZZ_CHECK(reloaded.records[i].launchScore == expected[i]->launchScore);
        FUZZ_CHECK(lookupScore(reloaded, expected[i]->path) != nullptr);
    }
    FUZZ_CHECK(formatScoreFile(reloaded) == saved);
}
