// A one-letter query's score depends only on where that letter first stands in the name, so a
// summary of the name answers it without reading the name.
#pragma once

#include "catalogue/match_rules.h"

#include <cstdint>

// For each letter A to Z, two bits: 0 absent, else the kind of its first place
// (FirstHitPlain, FirstHitCamel, FirstHitWordStart); above them, the name's first character
// as letter number + 1 (0 when it is no letter), which scores the name start.
enum FirstHitKind : std::uint64_t { FirstHitAbsent = 0, FirstHitPlain = 1, FirstHitCamel = 2, FirstHitWordStart = 3 };
constexpr int LetterCount = 26;
constexpr int NameStartShift = 2 * LetterCount;
constexpr std::int32_t FirstHitScores[4] = {0, HitScore, HitScore + CamelCaseBonus, HitScore + WordStartBonus};
constexpr std::int32_t NameStartScore = NameStartBonus + HitScore + WordStartBonus;

std::uint64_t summariseFirstHits(const char* name);
