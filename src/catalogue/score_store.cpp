#include "catalogue/score_store.h"

#include "base/ascii.h"
#include "base/legacy_text.h"
#include "base/system_files.h"
#include "base/utf8.h"

#include <algorithm>
#include <cstring>

namespace {

const char ScoresMagic[4] = {'S', 'C', 'O', '0'};
constexpr std::size_t RecordHeaderSize = 3;          // score byte + 16-bit length field
constexpr unsigned PathLengthMask = 0x0FFF;           // the top four bits are reserved
// Readers before UTF-8 stop at a longer record, so records up to this length come first.
constexpr std::size_t LegacyReadableRecordLength = 270;
// A classic path in UTF-8 and its zero; longer means the file is damaged here.
constexpr std::size_t MaxStoredPathLength = kLongestClassicPathBytes + 1;

std::size_t bucketOf(std::uint8_t hash)
{
    return hash & (ScoreBucketCount - 1);
}

void addRecord(ScoreStore& store, const std::string& path, std::int8_t launchScore)
{
    ScoreRecord record;
    record.path = path;
    record.launchScore = launchScore;
    record.pathHash = computePathHash(path);
    store.buckets[bucketOf(record.pathHash)].push_back(store.records.size());
    store.records.push_back(std::move(record));
}

ScoreRecord* findRecord(ScoreStore& store, const std::string& path)
{
    return const_cast<ScoreRecord*>(lookupScore(store, path));
}

std::size_t recordLength(const ScoreRecord& record)
{
    return record.path.size() + 1;
}

void appendRecordBytes(std::string& out, const ScoreRecord& record)
{
    // A path that cannot be stored whole is left out rather than written with a wrong length
    // that would end reading there.
    const std::size_t length = recordLength(record);
    if (length > MaxStoredPathLength)
        return;
    out.push_back(static_cast<char>(record.launchScore));
    out.push_back(static_cast<char>(length & 0xFF));
    out.push_back(static_cast<char>((length >> 8) & 0x0F));
    out.append(record.path);
    out.push_back('\0');
}

} // namespace

std::uint8_t computePathHash(const std::string& text)
{
    unsigned sum = 0;
    for (char c : text)
        sum += static_cast<unsigned char>(toUpperAscii(c));
    return static_cast<std::uint8_t>(sum & 0xFF);
}

bool loadScoreStore(ScoreStore& store, const std::string& filePath)
{
    std::string bytes;
    if (!readWholeFile(filePath, bytes))
        return true; // no scores yet
    return loadScoreBytes(store, bytes);
}

bool loadScoreBytes(ScoreStore& store, const std::string& bytes)
{
    if (bytes.size() < sizeof ScoresMagic || std::memcmp(bytes.data(), ScoresMagic, sizeof ScoresMagic) != 0)
        return false;
    clearScoreStore(store);
    std::size_t at = sizeof ScoresMagic;
    while (bytes.size() - at >= RecordHeaderSize) {
        const auto launchScore = static_cast<std::int8_t>(bytes[at]);
        const unsigned field = static_cast<unsigned char>(bytes[at + 1]) |
                               (static_cast<unsigned>(static_cast<unsigned char>(bytes[at + 2])) << 8);
        const std::size_t length = field & PathLengthMask;
        at += RecordHeaderSize;
        if (length > MaxStoredPathLength)
            break;
        if (length == 0)
            continue;
        // A last record cut short is dropped: a path with its end missing is some other
        // path, and must not lend its score to it.
        if (bytes.size() - at < length)
            break;
        // A path without its zero byte is taken whole, but never longer than the writer can
        // store with the zero added: the same record must survive the next save.
        const char* pathStart = bytes.data() + at;
        const void* zero = std::memchr(pathStart, '\0', length);
        const std::size_t pathLength = zero != nullptr
            ? static_cast<std::size_t>(static_cast<const char*>(zero) - pathStart)
            : std::min(length, MaxStoredPathLength - 1);
        addRecord(store, textFromDataFile(std::string_view(pathStart, pathLength)), launchScore);
        at += length;
    }
    return true;
}

const ScoreRecord* lookupScore(const ScoreStore& store, const std::string& path)
{
    const std::uint8_t hash = computePathHash(path);
    for (std::size_t index : store.buckets[bucketOf(hash)]) {
        const ScoreRecord& record = store.records[index];
        if (record.pathHash == hash && record.path == path)
            return &record;
    }
    return nullptr;
}

void clearScoreStore(ScoreStore& store)
{
    store.records.clear();
    for (auto& bucket : store.buckets)
        bucket.clear();
}

bool saveScoreStore(ScoreStore& store, const Catalogue& catalogue, const std::string& filePath)
{
    // Records of paths that left the catalogue are carried over unchanged.
    loadScoreStore(store, filePath);
    for (const CatalogueEntry& entry : catalogue.entries) {
        if (ScoreRecord* record = findRecord(store, entry.path))
            record->launchScore = entry.launchScore;
        else if (entry.launchScore != 0)
            addRecord(store, entry.path, entry.launchScore);
    }
    const bool written = replaceFileAtomically(filePath, formatScoreFile(store));
    clearScoreStore(store);
    return written;
}

std::string formatScoreFile(const ScoreStore& store)
{
    // Records that an older reader would stop at go last, so that it still reads all the others.
    std::string out(ScoresMagic, sizeof ScoresMagic);
    for (const ScoreRecord& record : store.records) {
        if (recordLength(record) <= LegacyReadableRecordLength)
            appendRecordBytes(out, record);
    }
    for (const ScoreRecord& record : store.records) {
        if (recordLength(record) > LegacyReadableRecordLength)
            appendRecordBytes(out, record);
    }
    return out;
}

std::int8_t storedLaunchScore(const ScoreStore& store, const std::string& path)
{
    const ScoreRecord* record = lookupScore(store, path);
    return record != nullptr ? record->launchScore : 0;
}
