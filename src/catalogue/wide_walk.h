// The greedy walk of a short name without a branch on what the name holds: two sixteen-byte
// loads (SSE2, which every processor that runs Windows 10 or 11 has) give bit masks of where
// each query character, the name's end, the word starts and the capitals after a small letter
// stand, and the walk's hits and score come from those masks with bit operations. Whether a
// name matches is data a branch would guess wrong for about one walked name in three; here it
// is a value. Names whose end is not among their first WideReach bytes are the caller's to
// walk otherwise.
#pragma once

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define TANDOR_WIDE_WALK 1

#include "catalogue/match_rules.h"
#include "catalogue/name_walk.h"

#include <emmintrin.h>

#include <cstdint>

namespace wide {

// Bytes read from a name's start: names must be followed by at least this many readable bytes.
constexpr std::size_t WideReach = 32;
// The last of those bytes is never inside a name the walk takes (at most it holds the name's
// end), so its bit marks "no hit".
constexpr std::uint32_t NoHit = 0x80000000u;

struct Plan {
    __m128i targets[packed::MostQueryCharacters]; // the byte to find, lower case for letters
    bool letters[packed::MostQueryCharacters];    // compare with the name folded to lower case
    std::size_t length = 0;
};

// False when no name can match the query (a lower-case character) or it is too long.
inline bool planQuery(const char* query, Plan& plan)
{
    plan.length = 0;
    for (const char* q = query; *q != 0; ++q) {
        const char c = *q;
        if (isLowerAscii(c) || plan.length == packed::MostQueryCharacters)
            return false;
        plan.letters[plan.length] = isUpperAscii(c);
        plan.targets[plan.length] = _mm_set1_epi8(plan.letters[plan.length] ? toLowerAscii(c) : c);
        ++plan.length;
    }
    return true;
}

// Bit k set when byte k of the 32 equals the value's.
inline std::uint32_t bytesEqual(__m128i low, __m128i high, __m128i value)
{
    return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(low, value))) |
           static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(high, value))) << 16;
}

// Bit k set when byte k lies in [first, first + count): moved so that the range starts at
// -128, a single signed compare tells it.
inline std::uint32_t bytesWithin(__m128i low, __m128i high, char first, int count)
{
    const __m128i shift = _mm_set1_epi8(static_cast<char>(-128 - first));
    const __m128i limit = _mm_set1_epi8(static_cast<char>(-128 + count));
    return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmplt_epi8(_mm_add_epi8(low, shift), limit))) |
           static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmplt_epi8(_mm_add_epi8(high, shift), limit))) << 16;
}

// The place of a single set bit (de Bruijn).
inline unsigned bitPlace(std::uint32_t bit)
{
    static constexpr unsigned char Places[32] = {0,  1,  28, 2,  29, 14, 24, 3,  30, 22, 20, 15, 25, 17, 4,  8,
                                                 31, 27, 13, 23, 21, 19, 16, 7,  26, 12, 18, 6,  11, 5,  10, 9};
    return Places[static_cast<std::uint32_t>(bit * 0x077CB531u) >> 27];
}

enum class Walked { Matched, Unmatched, TooLong };

// 32 bytes of a name from some place on, as bit masks.
struct Window {
    __m128i low, high;             // the bytes
    __m128i foldedLow, foldedHigh; // with letters in lower case
    std::uint32_t inName;          // before the name's end
    std::uint32_t wordStarts;      // after a byte that is no letter (countsAsLetter)
    std::uint32_t camels;          // capitals after a small letter
};

// False when the name does not end within the window. `before` is the byte before `at`
// (0 at the name's start).
template <bool LinesEnd>
inline bool look(const char* at, char before, Window& window)
{
    window.low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    window.high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + 16));
    std::uint32_t ends = bytesEqual(window.low, window.high, _mm_setzero_si128());
    if (LinesEnd)
        ends |= bytesEqual(window.low, window.high, _mm_set1_epi8('\n'));
    if (ends == 0)
        return false;
    window.inName = (ends & (0u - ends)) - 1;
    const __m128i fold = _mm_set1_epi8(0x20);
    window.foldedLow = _mm_or_si128(window.low, fold);
    window.foldedHigh = _mm_or_si128(window.high, fold);
    const std::uint32_t asciiLetters = bytesWithin(window.foldedLow, window.foldedHigh, 'a', 26);
    const std::uint32_t highBytes = static_cast<std::uint32_t>(_mm_movemask_epi8(window.low)) |
                                    static_cast<std::uint32_t>(_mm_movemask_epi8(window.high)) << 16;
    const std::uint32_t capitals = bytesWithin(window.low, window.high, 'A', 26);
    const std::uint32_t smalls = asciiLetters & ~capitals;
    window.wordStarts = ~(((asciiLetters | highBytes) << 1) | (countsAsLetter(before) ? 1u : 0u));
    window.camels = capitals & ((smalls << 1) | (isLowerAscii(before) ? 1u : 0u));
    return true;
}

// The hits of the plan's characters from `from` on, in the window. Each is the first place of
// its character after the hit before (a single bit, or NoHit once the name has run out), so
// `open` is the part of the name still to walk. Returns the last hit.
struct Hits {
    std::uint32_t first = NoHit;
    std::uint32_t last = NoHit; // an empty query matches nothing
    std::int32_t bonuses = 0;
};

inline Hits findHits(const Window& window, const Plan& plan, std::size_t from)
{
    Hits hits;
    std::uint32_t open = window.inName;
    for (std::size_t k = from; k < plan.length; ++k) {
        const std::uint32_t places = plan.letters[k] ? bytesEqual(window.foldedLow, window.foldedHigh, plan.targets[k])
                                                     : bytesEqual(window.low, window.high, plan.targets[k]);
        const std::uint32_t candidates = (places & open) | NoHit;
        const std::uint32_t hit = candidates & (0u - candidates);
        open &= 0u - (hit << 1);
        hits.bonuses += ((hit & window.wordStarts) != 0 ? WordStartBonus : 0) +
                        ((hit & window.camels) != 0 ? CamelCaseBonus : 0);
        if (k == from)
            hits.first = hit;
        hits.last = hit;
    }
    return hits;
}

// The walk of `name`, which ends at its first NUL (or line feed, for LinesEnd). The score is
// the same as packed::walk's; `stop` is where the last hit is.
template <bool LinesEnd>
inline Walked walk(const char* name, const Plan& plan, std::int32_t& score, unsigned& stop)
{
    Window window;
    if (!look<LinesEnd>(name, 0, window))
        return Walked::TooLong;
    const Hits hits = findHits(window, plan, 0);
    stop = bitPlace(hits.last);
    const std::int32_t steps = static_cast<std::int32_t>(stop) - static_cast<std::int32_t>(bitPlace(hits.first));
    score = static_cast<std::int32_t>(plan.length) * HitScore + hits.bonuses - StepCost * steps +
            ((hits.first & 1) != 0 ? NameStartBonus : 0);
    return hits.last != NoHit ? Walked::Matched : Walked::Unmatched;
}

// Goes on with the walk of the plan's first `from` characters, which scored `score` and whose
// last hit is at `stop`, for the characters after them: typing on needs no second walk of the
// name's beginning. Updates both.
template <bool LinesEnd>
inline Walked resume(const char* name, const Plan& plan, std::size_t from, std::int32_t& score, unsigned& stop)
{
    Window window;
    if (!look<LinesEnd>(name + stop + 1, name[stop], window))
        return Walked::TooLong;
    const Hits hits = findHits(window, plan, from);
    const unsigned distance = 1 + bitPlace(hits.last); // from the old last hit to the new
    score += static_cast<std::int32_t>(plan.length - from) * HitScore + hits.bonuses -
             StepCost * static_cast<std::int32_t>(distance);
    stop += distance;
    return hits.last != NoHit ? Walked::Matched : Walked::Unmatched;
}

} // namespace wide

#endif
