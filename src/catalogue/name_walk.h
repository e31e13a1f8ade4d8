// The walk of one name for a query, as the match pass and tandor-query make it: greedy, each
// query character taking the first equal name character from the current position on, with
// no backtracking. The score leaves out the launch and directory terms, which join at the
// first hit and so only shift it.
#pragma once

#include "base/ascii.h"
#include "catalogue/match_rules.h"

#include <cstdint>
#include <cstring>
#include <vector>

// The plain walk, a character at a time; false when the name runs out first.
inline bool walkName(const char* name, const char* query, std::int32_t& score)
{
    const char wanted = *query;
    const char* p = name;
    if (*p == 0)
        return false;
    while (toUpperAscii(*p) != wanted) {
        ++p;
        if (*p == 0)
            return false;
    }
    // Whatever was subtracted before the first hit is discarded.
    std::int32_t s = (p == name ? NameStartBonus : 0) + HitScore + hitBonus(name, p);
    for (const char* q = query + 1; *q != 0; ++q) {
        const char c = *q;
        do {
            s -= StepCost;
            ++p;
            if (*p == 0)
                return false;
        } while (toUpperAscii(*p) != c);
        s += HitScore + hitBonus(name, p);
    }
    score = s;
    return true;
}

// The same walk a machine word at a time (eight bytes, or four in a 32-bit program, where
// 64-bit arithmetic would take pairs of instructions), over names followed by at least eight
// readable bytes:
// a byte is a hit when, with 0x20 added for a letter, it equals the query character's lower
// case (so 'e' and 'E' both hit 'E', and nothing else does). A NUL ends a name, and so does a
// line feed when the names are the lines of a file.
namespace packed {

using Word = std::uintptr_t;
constexpr Word EveryByte = ~Word(0) / 0xFF;
constexpr Word HighBits = EveryByte * 0x80;
constexpr Word LetterFold = EveryByte * 0x20;
constexpr Word LineFeeds = EveryByte * '\n';
// Multiplying a single bit 8k by this leaves k in the top byte.
constexpr Word ByteNumbers = sizeof(Word) == 8 ? static_cast<Word>(0x0001020304050607ULL) : static_cast<Word>(0x00010203UL);
constexpr int TopByteShift = 8 * (static_cast<int>(sizeof(Word)) - 1);

// The high bit of every zero byte; above the first zero byte there may be false ones, but
// only the lowest one is ever used.
inline Word zeroBytes(Word word)
{
    return (word - EveryByte) & ~word & HighBits;
}

inline bool littleEndian()
{
    const std::uint16_t one = 1;
    unsigned char first = 0;
    std::memcpy(&first, &one, 1);
    return first == 1;
}

inline std::size_t lowestByte(Word found)
{
    const Word lowest = found & (~found + 1);
    return static_cast<std::size_t>(((lowest >> 7) * ByteNumbers) >> TopByteShift);
}

struct QueryCharacter {
    Word target; // the byte to find, in every byte
    Word fold;   // LetterFold for letters, 0 otherwise
};

// At most the longest query: a plan lives on the stack, not on the heap.
constexpr std::size_t MostQueryCharacters = 64;
struct QueryPlan {
    QueryCharacter characters[MostQueryCharacters];
    std::size_t length = 0;
};

// False when the query has a character that no upper-cased name character can equal, or is
// longer than a plan holds.
inline bool planQuery(const char* query, QueryPlan& plan)
{
    plan.length = 0;
    for (const char* q = query; *q != 0; ++q) {
        const char c = *q;
        if (isLowerAscii(c) || plan.length == MostQueryCharacters)
            return false;
        const bool letter = isUpperAscii(c);
        const auto byte = static_cast<unsigned char>(letter ? c + ('a' - 'A') : c);
        plan.characters[plan.length++] = QueryCharacter{EveryByte * byte, letter ? LetterFold : 0};
    }
    return true;
}

// The next hit of `wanted` from p on, or the name's end, whichever comes first.
template <bool LinesEnd>
inline const char* nextHitOrEnd(const char* p, const QueryCharacter& wanted)
{
    for (;; p += sizeof(Word)) {
        Word word;
        std::memcpy(&word, p, sizeof word);
        Word found = zeroBytes((word | wanted.fold) ^ wanted.target) | zeroBytes(word);
        if (LinesEnd)
            found |= zeroBytes(word ^ LineFeeds);
        if (found != 0)
            return p + lowestByte(found);
    }
}

inline bool endsName(char c) { return c == 0 || c == '\n'; }

// The walk: the steps between two hits cost their distance. Returns where it stopped: the
// last hit when the name matched, else the name's end.
template <bool LinesEnd>
inline const char* walk(const char* name, const QueryPlan& plan, bool& matched, std::int32_t& score)
{
    matched = false;
    const char* p = nextHitOrEnd<LinesEnd>(name, plan.characters[0]);
    if (LinesEnd ? endsName(*p) : *p == 0)
        return p;
    std::int32_t s = (p == name ? NameStartBonus : 0) + HitScore + hitBonus(name, p);
    for (std::size_t k = 1; k < plan.length; ++k) {
        const char* next = nextHitOrEnd<LinesEnd>(p + 1, plan.characters[k]);
        if (LinesEnd ? endsName(*next) : *next == 0)
            return next;
        s -= StepCost * static_cast<std::int32_t>(next - p);
        s += HitScore + hitBonus(name, next);
        p = next;
    }
    matched = true;
    score = s;
    return p;
}

} // namespace packed
