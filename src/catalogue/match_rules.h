// The scoring rules of the abbreviation matcher, shared by the match pass and its explanation.
#pragma once

#include "base/ascii.h"

#include <cstdint>
#include <limits>

constexpr int LaunchScoreFactor = 10;
constexpr int NameStartBonus = 14;  // first hit on the first character of the name
constexpr int HitScore = 2;
constexpr int WordStartBonus = 11;  // after a non-letter or at the start of the name
constexpr int CamelCaseBonus = 7;   // capital letter right after a lower-case one
constexpr int StepCost = 1;         // every move to the next name character

// A letter, for where words begin: an ASCII letter, or any byte of a character other than
// ASCII, so that a word in another script is one word and not a word per character.
inline bool countsAsLetter(char c)
{
    return isAsciiLetter(c) || static_cast<unsigned char>(c) >= 0x80;
}

// Bonus of a hit at `position` of `name`.
inline int hitBonus(const char* name, const char* position)
{
    if (position == name || !countsAsLetter(position[-1]))
        return WordStartBonus;
    if (isUpperAscii(position[0]) && isLowerAscii(position[-1]))
        return CamelCaseBonus;
    return 0;
}

// matchScore is 16 bits wide; an absurdly long name must not wrap round into a top score.
inline std::int16_t storedMatchScore(std::int32_t score)
{
    if (score > std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    if (score < std::numeric_limits<std::int16_t>::min())
        return std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(score);
}
