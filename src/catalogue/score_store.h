// Launch scores kept apart from the catalogue (which scans rebuild), keyed by path, in scores.dat.
#pragma once

#include "catalogue/catalogue.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct ScoreRecord {
    std::string path;
    std::int8_t launchScore = 0;
    std::uint8_t pathHash = 0;
};

constexpr int ScoreBucketCount = 16;

struct ScoreStore {
    std::vector<ScoreRecord> records; // file order
    std::array<std::vector<std::size_t>, ScoreBucketCount> buckets; // indices into records
};

std::uint8_t computePathHash(const std::string& text);
// True also when the file does not exist; false when it is not a scores file.
bool loadScoreStore(ScoreStore& store, const std::string& filePath);
// The same for the file's bytes: false when they are not a scores file.
bool loadScoreBytes(ScoreStore& store, const std::string& bytes);
const ScoreRecord* lookupScore(const ScoreStore& store, const std::string& path);
void clearScoreStore(ScoreStore& store);
// Merges the catalogue's launch scores into the stored ones and rewrites the file.
bool saveScoreStore(ScoreStore& store, const Catalogue& catalogue, const std::string& filePath);
// The file's bytes for the records of the store, in their order.
std::string formatScoreFile(const ScoreStore& store);
// The launch score a new entry of this path starts with.
std::int8_t storedLaunchScore(const ScoreStore& store, const std::string& path);
