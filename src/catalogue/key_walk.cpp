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

bool startsCharacter(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

void appendShadow(std::string& out, std::string_view key)
{
    for (char c : key) {
        if (startsCharacter(c))
            out += c;
    }
}

} // namespace

std::string packSearchKeys(const std::vector<SearchKey>& keys, KeySignature& all)
{
    std::size_t mostBytes = 1;
    for (const SearchKey& key : keys)
        mostBytes += PackedKeyHeader + 2 * (key.text.size() + 1);
    std::string packed;
    packed.reserve(mostBytes);
    all = KeySignature();
    for (const SearchKey& key : keys) {
        const KeySignature signature = keySignature(key.text.c_str());
        const std::size_t shadowLength =
            signature.others == 0 ? 0 : static_cast<std::size_t>(std::count_if(key.text.begin(), key.text.end(), startsCharacter));
        char header[PackedKeyHeader] = {static_cast<char>(key.kind), static_cast<char>(key.text.size()),
                                        static_cast<char>(shadowLength)};
        std::memcpy(header + 3, &signature.letters, sizeof signature.letters);
        std::memcpy(header + 7, &signature.others, sizeof signature.others);
        packed.append(header, PackedKeyHeader);
        packed += key.text;
        packed += '\0';
        if (shadowLength > 0) {
            appendShadow(packed, key.text);
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
