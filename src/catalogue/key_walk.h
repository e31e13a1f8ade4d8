// The walk of one search key, by characters rather than bytes: a query character of several
// bytes hits only a key character of the same bytes, and every move to the next key character
// costs one step, however many bytes it has. The rules are the name walk's: for an ASCII query
// it scores exactly as walkName on the key's shadow, where each character is its first byte.
#pragma once

#include "base/ascii.h"
#include "catalogue/match_rules.h"
#include "catalogue/search_keys.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// The bytes of the character at `p` (a NUL-terminated text): a well-formed sequence's length,
// else 1, so that a stray byte is a character of its own.
inline std::size_t keyCharacterLength(const char* p)
{
    const auto lead = static_cast<unsigned char>(*p);
    const std::size_t length = lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 1;
    for (std::size_t k = 1; k < length; ++k) {
        if ((static_cast<unsigned char>(p[k]) & 0xC0) != 0x80)
            return 1;
    }
    return length;
}

// The signature of a search key or of a query, in two halves. `letters` has a bit per ASCII or
// stray byte as computeCharMask sets them; `others` a bit per other character, by its code point.
// Kept apart, the other characters of a Cyrillic or Hangul key do not set the bits of ASCII
// letters, so an ASCII query passes over the keys that cannot hold it.
struct KeySignature {
    std::uint32_t letters = 0;
    std::uint32_t others = 0;

    bool holds(const KeySignature& query) const
    {
        return (letters & query.letters) == query.letters && (others & query.others) == query.others;
    }
};

inline KeySignature keySignature(const char* text)
{
    KeySignature signature;
    while (*text != 0) {
        const std::size_t length = keyCharacterLength(text);
        std::uint32_t value = static_cast<unsigned char>(text[0]);
        for (std::size_t k = 1; k < length; ++k)
            value = (value << 6) | (static_cast<unsigned char>(text[k]) & 0x3Fu);
        if (length == 1)
            signature.letters |= 1u << (value & 31u);
        else
            signature.others |= 1u << ((value ^ (value >> 5)) & 31u);
        text += length;
    }
    return signature;
}

// True when `text` holds a character of more than one byte: only search keys can match it.
inline bool hasMultiByteCharacter(const char* text)
{
    for (; *text != 0; ++text) {
        if (keyCharacterLength(text) > 1)
            return true;
    }
    return false;
}

inline bool keyCharacterHits(const char* p, std::size_t length, const char* wanted, std::size_t wantedLength)
{
    if (length != wantedLength)
        return false;
    return length == 1 ? toUpperAscii(*p) == *wanted : std::memcmp(p, wanted, length) == 0;
}

// Greedy, as the name walk: each query character takes the first equal key character from the
// current one on. `upperQuery` is folded, its ASCII letters upper-cased; `key` is well-formed
// UTF-8, so a query character's first byte never equals a byte inside a key character, and the
// key is read byte by byte, a step counted at each character's first byte.
inline bool walkKey(const char* key, const char* upperQuery, std::int32_t& score)
{
    const char* p = key;
    std::int32_t s = 0;
    for (const char* q = upperQuery; *q != 0;) {
        const std::size_t wantedLength = keyCharacterLength(q);
        const char wanted = *q;
        if (wantedLength == 1 && static_cast<unsigned char>(wanted) >= 0x80)
            return false; // a stray byte: no key holds one
        std::int32_t skipped = 0;
        while (wantedLength == 1 ? toUpperAscii(*p) != wanted
                                 : *p != wanted || std::memcmp(p, q, wantedLength) != 0) {
            if (*p == 0)
                return false;
            skipped += (static_cast<unsigned char>(*p) & 0xC0) != 0x80 ? 1 : 0;
            ++p;
        }
        // Whatever was subtracted before the first hit is discarded.
        if (q != upperQuery)
            s -= StepCost * skipped;
        s += (p == key ? NameStartBonus : 0) + HitScore + hitBonus(key, p);
        q += wantedLength;
        if (*q != 0) {
            p += keyCharacterLength(p);
            s -= StepCost;
        }
    }
    score = s;
    return true;
}

// A match on a phonetic key (pinyin, Hangul initials) costs this much, so that a match on the
// name's own letters ranks above an equal one on a way of typing them.
constexpr std::int32_t PhoneticKeyCost = 1;

// The search keys of a name as the match index holds them: per key its kind, its length, the
// length of its shadow (0: a key of ASCII alone is its own), its signature (the two halves of
// keySignature), its text with a NUL, and its shadow with a NUL; a zero byte after the last key.
// The shadow is the key as an ASCII query sees it: each character other than ASCII reduced to its
// first byte, which no ASCII query character equals and which counts as a letter, so that the
// fast walks over names walk it with walkKey's score.
constexpr std::size_t PackedKeyHeader = 11;

// A name's keys packed so, and the union of their signatures.
std::string packSearchKeys(const std::vector<SearchKey>& keys, KeySignature& all);

struct WalkPlan;

// The best walk over packed keys. With a plan (an ASCII query), each key's shadow is walked as
// names are. Out of line: the match pass calls it for one name in many, and its name walk must
// stay inlined.
bool walkKeys(const char* keys, const char* upperQuery, const KeySignature& query, const WalkPlan* plan,
              std::int32_t& score);
