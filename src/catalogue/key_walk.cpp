#include "catalogue/key_walk.h"

#include "catalogue/planned_walk.h"

#include <algorithm>

namespace {

struct PackedKey {
    bool phonetic;
    KeySignature signature;
    const char* text;
    const char* shadow;
    const char* next;
};

PackedKey unpack(const char* at)
{
    PackedKey key{};
    key.phonetic = at[0] != 'f';
    const auto length = static_cast<unsigned char>(at[1]);
    const auto shadowLength = static_cast<unsigned char>(at[2]);
    std::memcpy(&key.signature.letters, at + 3, sizeof key.signature.letters);
    std::memcpy(&key.signature.others, at + 7, sizeof key.signature.others);
    key.text = at + PackedKeyHeader;
    key.shadow = shadowLength == 0 ? key.text : key.text + length + 1;
    key.next = shadowLength == 0 ? key.text + length + 1 : key.shadow + shadowLength + 1;
    return key;
}

} // namespace

std::string keyShadow(std::string_view key)
{
    std::string shadow;
    for (char c : key) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            shadow += c;
    }
    return shadow;
}

std::string packSearchKeys(const std::vector<SearchKey>& keys, KeySignature& all)
{
    std::string packed;
    all = KeySignature();
    for (const SearchKey& key : keys) {
        const KeySignature signature = keySignature(key.text.c_str());
        const std::string shadow = signature.others == 0 ? std::string() : keyShadow(key.text);
        char header[PackedKeyHeader] = {static_cast<char>(key.kind), static_cast<char>(key.text.size()),
                                        static_cast<char>(shadow.size())};
        std::memcpy(header + 3, &signature.letters, sizeof signature.letters);
        std::memcpy(header + 7, &signature.others, sizeof signature.others);
        packed.append(header, PackedKeyHeader);
        packed += key.text;
        packed += '\0';
        if (!shadow.empty()) {
            packed += shadow;
            packed += '\0';
        }
        all.letters |= signature.letters;
        all.others |= signature.others;
    }
    packed += '\0';
    return packed;
}

bool walkKeys(const char* keys, const char* upperQuery, const KeySignature& query, const WalkPlan* plan,
              std::int32_t& score)
{
    bool matched = false;
    while (*keys != 0) {
        const PackedKey key = unpack(keys);
        keys = key.next;
        if (!key.signature.holds(query))
            continue;
        std::int32_t keyScore = 0;
        std::size_t stop = 0;
        const bool hit = plan != nullptr ? walkPlanned<false>(key.shadow, *plan, keyScore, stop)
                                         : walkKey(key.text, upperQuery, keyScore);
        if (!hit)
            continue;
        keyScore -= key.phonetic ? PhoneticKeyCost : 0;
        score = matched ? std::max(score, keyScore) : keyScore;
        matched = true;
    }
    return matched;
}
