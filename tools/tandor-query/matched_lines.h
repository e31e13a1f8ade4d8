// Which lines of a text a query matches, found 64 bytes at a time. For each query character in
// turn, one subtraction finds in every line of the block at once the first place of that
// character after the line's previous hit (after its start, for the first character), or the
// line's end: a block costs the same whatever its lines hold, long lines included, and no branch
// guesses whether a line matches. Only the lines found are walked for their scores; the greedy
// walk matches exactly these.
#pragma once

#include "catalogue/wide_walk.h"

#ifdef TANDOR_WIDE_WALK

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace lines {

constexpr std::size_t BlockBytes = 64;

// Bit k set when byte k of the block equals the value's.
inline std::uint64_t bytesEqual(const __m128i (&bytes)[4], __m128i value)
{
    std::uint64_t bits = 0;
    for (int quarter = 0; quarter < 4; ++quarter)
        bits |= static_cast<std::uint64_t>(static_cast<std::uint32_t>(
                    _mm_movemask_epi8(_mm_cmpeq_epi8(bytes[quarter], value))))
                << (16 * quarter);
    return bits;
}

// The place of the top bit of a value whose bits below its top bit are all set (de Bruijn).
inline unsigned placeOfTop(std::uint64_t filledBelow)
{
    static constexpr unsigned char Places[64] = {
        0,  47, 1,  56, 48, 27, 2,  60, 57, 49, 41, 37, 28, 16, 3,  61, 54, 58, 35, 52, 50, 42,
        21, 44, 38, 32, 29, 23, 17, 11, 4,  62, 46, 55, 26, 59, 40, 36, 15, 53, 34, 51, 20, 43,
        31, 22, 10, 45, 25, 39, 14, 33, 19, 30, 9,  24, 13, 18, 8,  12, 7,  6,  5,  63};
    return Places[static_cast<std::uint64_t>(filledBelow * 0x03F79D71B4CB0A89ULL) >> 58];
}

// The places of the highest and of the lowest set bit of a non-zero value.
inline unsigned highestPlace(std::uint64_t bits)
{
    for (int shift = 1; shift < 64; shift *= 2)
        bits |= bits >> shift;
    return placeOfTop(bits);
}

inline unsigned lowestPlace(std::uint64_t bits)
{
    return placeOfTop(bits ^ (bits - 1));
}

// What one query character's search hands from a block to the next: a search still running
// past the block's end, and a hit on its last byte (the next character's search then starts
// the next block).
struct Carries {
    std::uint64_t searching = 0;
    std::uint64_t hitAtEnd = 0;
};

// The first line feed at or after `from`, else `end`: sixteen bytes at a time, which may read
// fifteen bytes past `end`.
inline const char* lineFeedFrom(const char* from, const char* end)
{
    const __m128i lineFeed = _mm_set1_epi8('\n');
    for (const char* at = from; at < end; at += 16) {
        const std::uint32_t bits = static_cast<std::uint32_t>(
            _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at)), lineFeed)));
        if (bits != 0) {
            const char* found = at + wide::bitPlace(bits & (0u - bits));
            return found < end ? found : end;
        }
    }
    return end;
}

// Calls found(lineStart, lineEnd), in order, for every line in [begin, end) that the query of
// `plan` matches; lineEnd is its line feed, or `end`. A NUL ends a line's name as a line feed
// does. `end` is after a line feed or at the end of the text, and the text is followed by at
// least sixteen readable bytes.
template <typename Found>
void forEachMatchedLine(const char* begin, const char* end, const wide::Plan& plan, Found&& found)
{
    if (plan.length == 0)
        return; // an empty query matches nothing
    Carries carries[packed::MostQueryCharacters];
    std::uint64_t lineStartsNext = 1; // the first block starts a line
    // The last block before this one that held a line feed, and its line feeds: where the line
    // open at the block's start began, found only for a matched line that needs it.
    const char* fedBlock = nullptr;
    std::uint64_t fedBlockLineFeeds = 0;
    std::size_t searchingRounds = 0;  // characters whose carries into the block are not all zero
    const __m128i fold = _mm_set1_epi8(0x20);
    const __m128i zeros = _mm_setzero_si128();
    const __m128i lineFeed = _mm_set1_epi8('\n');
    char tail[BlockBytes];
    for (const char* block = begin; block < end; block += BlockBytes) {
        const char* bytes = block;
        if (static_cast<std::size_t>(end - block) < BlockBytes) {
            // The last block: what follows the end is none of these lines.
            std::memset(tail, 0, sizeof tail);
            std::memcpy(tail, block, static_cast<std::size_t>(end - block));
            bytes = tail;
        }
        __m128i raw[4];
        __m128i folded[4];
        for (int quarter = 0; quarter < 4; ++quarter) {
            raw[quarter] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16 * quarter));
            folded[quarter] = _mm_or_si128(raw[quarter], fold);
        }
        const std::uint64_t lineFeeds = bytesEqual(raw, lineFeed);
        const std::uint64_t ends = lineFeeds | bytesEqual(raw, zeros);
        // Where each line's search for the next character starts.
        std::uint64_t starts = lineFeeds << 1 | lineStartsNext;
        lineStartsNext = lineFeeds >> 63;
        std::uint64_t hits = 0;
        std::size_t rounds = 0;
        for (std::size_t k = 0; k < plan.length; ++k) {
            if (starts == 0 && k >= searchingRounds) {
                hits = 0; // no line of the block gets this far, and none of an earlier one
                break;
            }
            // Subtracting a start's bit borrows up to the first stop at or above it, which it
            // clears: the stops cleared are the first of each line's search.
            const std::uint64_t stops =
                bytesEqual(plan.letters[k] ? folded : raw, plan.targets[k]) | ends;
            const std::uint64_t lessStarts = stops - starts;
            const std::uint64_t searched = lessStarts - carries[k].searching;
            carries[k].searching = (stops < starts ? 1 : 0) | (lessStarts < carries[k].searching ? 1 : 0);
            hits = stops & ~searched & ~ends; // a search that stopped at an end failed
            starts = hits << 1 | carries[k].hitAtEnd;
            carries[k].hitAtEnd = hits >> 63;
            if ((carries[k].searching | carries[k].hitAtEnd) != 0)
                rounds = k + 1;
        }
        searchingRounds = rounds;
        // Each hit of the last character is the last hit of a matched line.
        for (std::uint64_t matched = hits; matched != 0; matched &= matched - 1) {
            const std::uint64_t lastHit = matched & (0 - matched);
            const std::uint64_t before = lineFeeds & (lastHit - 1);
            const std::uint64_t after = lineFeeds & (0 - (lastHit << 1));
            const char* lineStart = before != 0 ? block + highestPlace(before) + 1
                                    : fedBlock != nullptr ? fedBlock + highestPlace(fedBlockLineFeeds) + 1
                                                          : begin;
            found(lineStart, after != 0 ? block + lowestPlace(after) : lineFeedFrom(block + BlockBytes, end));
        }
        if (lineFeeds != 0) {
            fedBlock = block;
            fedBlockLineFeeds = lineFeeds;
        }
    }
}

} // namespace lines

#endif
