#include "catalogue/first_hits.h"

#include "base/ascii.h"

std::uint64_t summariseFirstHits(const char* name)
{
    std::uint64_t summary = 0;
    if (isAsciiLetter(name[0]))
        summary |= static_cast<std::uint64_t>(toUpperAscii(name[0]) - 'A' + 1) << NameStartShift;
    for (const char* p = name; *p != 0; ++p) {
        if (!isAsciiLetter(*p))
            continue;
        const int shift = 2 * (toUpperAscii(*p) - 'A');
        if (((summary >> shift) & 3) != FirstHitAbsent)
            continue;
        const int bonus = hitBonus(name, p);
        const std::uint64_t kind = bonus == WordStartBonus ? FirstHitWordStart
                                 : bonus == CamelCaseBonus ? FirstHitCamel : FirstHitPlain;
        summary |= kind << shift;
    }
    return summary;
}
