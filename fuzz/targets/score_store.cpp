// scores.dat: any bytes load; every record loaded is saved and loads back the same.
#include "fuzz_target.h"

#include "catalogue/score_store.h"

TANDOR_FUZZ_TARGET(score_store)
{
    ScoreStore loaded;
    if (!loadScoreBytes(loaded, std::string(reinterpret_cast<const char*>(data), size)))
        return;
    const std::string saved = formatScoreFile(loaded);
    ScoreStore reloaded;
    FUZZ_CHECK(loadScoreBytes(reloaded, saved));
    FUZZ_CHECK(reloaded.records.size() == loaded.records.size());
    for (std::size_t i = 0; i < loaded.records.size(); ++i) {
        FUZZ_CHECK(reloaded.records[i].path == loaded.records[i].path);
        FUZZ_CHECK(reloaded.records[i].launchScore == loaded.records[i].launchScore);
        FUZZ_CHECK(lookupScore(reloaded, loaded.records[i].path) != nullptr);
    }
    FUZZ_CHECK(formatScoreFile(reloaded) == saved);
}
