#include "catalogue/key_walk.h"

bool walkKeys(const char* keys, const char* upperQuery, std::uint32_t queryMask, std::int32_t& score,
                     int& matchedKey)
{
    bool matched = false;
    for (int number = 0; *keys != 0; ++number) {
        const bool phonetic = *keys != 'f';
        const auto length = static_cast<unsigned char>(keys[1]);
        std::uint32_t mask = 0;
        std::memcpy(&mask, keys + 2, sizeof mask);
        const char* text = keys + PackedKeyHeader;
        std::int32_t keyScore = 0;
        if ((mask & queryMask) == queryMask && walkKey(text, upperQuery, keyScore)) {
            keyScore -= phonetic ? PhoneticKeyCost : 0;
            if (!matched || keyScore > score) {
                score = keyScore;
                matchedKey = number;
            }
            matched = true;
        }
        keys = text + length + 1;
    }
    return matched;
}
