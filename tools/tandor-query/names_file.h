// A plain list of display names, one per line, ranked as catalogue entries would be.
#pragma once

#include "catalogue/catalogue.h"
#include "catalogue/match_index.h"
#include "catalogue/score_store.h"
#include "catalogue/worker_pool.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// The whole file, mapped (or read with one call where it cannot be), followed by at least
// MatchIndexPadding NULs so that the walk may read that many bytes from the last line's start.
class NamesText {
public:
    NamesText() = default;
    NamesText(const NamesText&) = delete;
    NamesText& operator=(const NamesText&) = delete;
    ~NamesText();
    const char* bytes() const { return bytes_; }
    std::size_t size() const { return size_; } // without the padding

    // False when the file cannot be read.
    friend bool readNamesFile(const std::string& path, NamesText& text);
    friend void copyNamesText(const std::string& bytes, NamesText& text);

private:
    static const char NoNames[MatchIndexPadding]; // all NULs
    const char* bytes_ = NoNames;
    std::size_t size_ = 0;
    std::unique_ptr<char[]> owned_;
    void* mapping_ = nullptr;
    std::size_t mappingSize_ = 0;
};

bool readNamesFile(const std::string& path, NamesText& text);
void copyNamesText(const std::string& bytes, NamesText& text);

// Each non-empty line (LF or CR LF) becomes an entry whose path is the name itself, which
// belongs to no directory and takes its launch score from `scores`.
void appendNames(const std::string& bytes, const ScoreStore& scores, Catalogue& catalogue);

struct RankedName {
    std::string name;
    std::int32_t score = 0;
};

// The best `limit` lines for `upperQuery`, best first: the same ranking as making every line an
// entry and matching the catalogue, without making a million entries that cannot show. The
// lines are walked where they stand, in parts that the pool's threads match at once; a part
// holds at least `smallestPart` bytes.
constexpr std::size_t SmallestNamesPart = 1 << 18;
std::vector<RankedName> rankNames(const NamesText& text, const std::string& upperQuery, std::size_t limit,
                                  const ScoreStore& scores, WorkerPool& pool,
                                  std::size_t smallestPart = SmallestNamesPart);
