// What the match pass reads of every entry, packed tightly so that a keystroke streams a few
// bytes per entry instead of whole entries, and what the passes kept found, beside it. The
// catalogue is cut into slices that are matched at once on the cores of the machine. Rebuilt by
// the matcher whenever the catalogue changed since it was made; nothing else uses it.
#pragma once

#include "catalogue/worker_pool.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

struct CatalogueEntry;

constexpr std::size_t MatchIndexPadding = 32; // lets the matcher read 32 bytes from any name's start
// Below this many entries a slice is not worth waking a worker for.
constexpr std::size_t SmallestMatchSlice = 16384;
// Slices per thread: a thread that a busy machine keeps waiting holds up only a small one.
constexpr std::size_t SlicesPerThread = 4;
// The score of an entry that a selection took: it is no longer among the matched ones.
constexpr std::int32_t TakenScore = std::numeric_limits<std::int32_t>::min();

// An entry, by its place (number) in the catalogue, with its score.
struct RankedEntry {
    std::uint32_t place = 0;
    std::int32_t score = 0;
};

constexpr std::uint16_t NoStop = 0xFFFF;
constexpr std::int8_t NoFirstScore = std::numeric_limits<std::int8_t>::min();
constexpr std::size_t KeyedLetters = 26;
constexpr std::uint32_t EmptyIndexedName = 0; // offset of the empty name in MatchIndex::names

// What one pass found in a slice.
struct SliceMarks {
    // The entries it matched, in catalogue order, with their scores (TakenScore once selected).
    // A query typed on from this pass walks only these.
    std::vector<std::uint32_t> marked;
    std::vector<std::int32_t> scores;
    std::vector<RankedEntry> best; // its best as many as the selection before it took
    // When a query typed on can resume this pass's walks: per mark, the walk's score without
    // the launch and directory terms, and where its last hit is (NoStop: walk the name again).
    bool resumable = false;
    std::vector<std::int32_t> walkScores;
    std::vector<std::uint16_t> stops;
    // What selections took since: the place in `marked` and the score, to give back when the
    // query is this pass's again (Backspace).
    std::vector<RankedEntry> taken;
};

struct MatchSlice {
    std::uint32_t begin = 0; // entries [begin, end)
    std::uint32_t end = 0;
    // One per kept pass (MatchIndex::passes), the current one last. Those beyond keep their
    // storage for the next passes.
    std::vector<SliceMarks> levels;
    std::vector<RankedEntry> selected; // scratch of the selection: best first
};

// A pass whose marks are kept: while the user types on, each query begins with the one before.
struct KeptPass {
    std::string query;
    std::size_t capacity = 0; // the slices' best lists are this long
};
// Going back more letters than this takes a new pass.
constexpr std::size_t MostKeptPasses = 8;

struct MatchIndex {
    // The catalogue the index was made from.
    const CatalogueEntry* entriesData = nullptr;
    std::size_t entryCount = 0;
    std::uint64_t revision = 0;
    bool built = false;
    bool usable = false; // false when the names outgrow 32-bit offsets

    struct Item {
        std::uint32_t mask;
        std::uint32_t nameOffset; // into `names`: the name, or for a keyed name its keys
    };
    std::vector<Item> items;
    // An empty name, which the name walk reads for a keyed name and passes over; every name that
    // is plain ASCII (or not UTF-8), each followed by a NUL; then the search keys of every other
    // name; then MatchIndexPadding NULs.
    std::string names;
    // A bit per entry: set when its name has search keys (and is matched on them alone).
    std::vector<std::uint32_t> keyed;
    // The entries with search keys, in catalogue order, and for each the score of every letter
    // A to Z as a one-letter query (NoFirstScore: none of its keys holds it).
    std::vector<std::uint32_t> keyedPlaces;
    // For each of them, the half beyond ASCII of its keys' signatures (the ASCII half is its
    // item's mask).
    std::vector<std::uint32_t> keyedOthers;
    std::vector<std::int8_t> keyedFirstScores;
    bool isKeyed(std::uint32_t place) const { return (keyed[place / 32] >> (place % 32)) & 1u; }
    // Per entry, what a one-letter query scores at the first hit (see the matcher): the
    // first keystroke matches most of the catalogue and would otherwise walk every name.
    std::vector<std::uint64_t> firstHits;
    // Per entry, the launch and directory terms of its score, made with these directory
    // weights and launch scores of this launch revision.
    std::vector<std::int16_t> bias;
    std::vector<int> biasWeights;
    std::uint64_t biasLaunchRevision = 0;
    bool biasMade = false;

    std::vector<MatchSlice> slices;
    // Each query a prefix of the next; the last one's marks are the current ones. Empty when
    // nothing is matched.
    std::vector<KeptPass> passes;
    std::size_t matchedCount = 0;
    // A pass keeps each slice's best as many as the last selection took, so that the next
    // selection of no more, before any other, needs no second walk over the marks.
    std::size_t passCapacity = 0;
    bool bestFromPass = false;
    // Scratch of the selection.
    std::vector<const std::vector<RankedEntry>*> bestLists;
    std::vector<std::size_t> mergePositions;
    std::vector<RankedEntry> merged;

    // The threads that match the slices (nullptr: the machine's), and the smallest slice
    // worth one; tests choose their own to cut small catalogues.
    WorkerPool* pool = nullptr;
    std::size_t smallestSlice = SmallestMatchSlice;
};
