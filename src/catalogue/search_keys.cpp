#include "catalogue/search_keys.h"

#include "base/ascii.h"
#include "base/text_fold.h"
#include "base/utf8.h"

#include <algorithm>

namespace {

constexpr char32_t FirstHangulSyllable = 0xAC00;
constexpr char32_t LastHangulSyllable = 0xD7A3;
constexpr char32_t SyllablesPerInitial = 21 * 28;
// The initial consonants in the order of the syllables, as the compatibility letters a
// Korean keyboard types.
constexpr char32_t HangulInitials[19] = {0x3131, 0x3132, 0x3134, 0x3137, 0x3138, 0x3139, 0x3141,
                                         0x3142, 0x3143, 0x3145, 0x3146, 0x3147, 0x3148, 0x3149,
                                         0x314A, 0x314B, 0x314C, 0x314D, 0x314E};

// The readings of a Han character as hanReadings lists them, separated by spaces, read one by one
// without copying: a combination picks at most the first MostReadingCombinations of them.
class Readings {
public:
    Readings() = default;
    explicit Readings(std::string_view list) : list_(list)
    {
        count_ = list.empty() ? 0 : 1 + static_cast<std::size_t>(std::count(list.begin(), list.end(), ' '));
    }
    bool empty() const { return count_ == 0; }
    std::size_t size() const { return count_; }
    std::string_view operator[](std::size_t number) const
    {
        std::string_view rest = list_;
        for (; number > 0; --number)
            rest.remove_prefix(std::min(rest.find(' ') + 1, rest.size()));
        return rest.substr(0, std::min(rest.find(' '), rest.size()));
    }

private:
    std::string_view list_;
    std::size_t count_ = 0;
};

// One character of a name, as the keys see it.
struct NameCharacter {
    std::string folded; // its bytes in the folded key
    Readings readings;  // Han: its readings
    char32_t hangulInitial = 0;
};

NameCharacter characterAt(std::string_view name, std::size_t& at)
{
    NameCharacter character;
    const auto byte = static_cast<unsigned char>(name[at]);
    const DecodedCodePoint decoded = byte < 0x80 ? DecodedCodePoint{byte, 1} : decodeUtf8(name.substr(at));
    if (decoded.length == 0) {
        character.folded.assign(1, name[at++]);
        return character;
    }
    const std::string_view bytes = name.substr(at, decoded.length);
    at += decoded.length;
    character.folded = foldedText(bytes);
    DecodedCodePoint base = decodeUtf8(character.folded); // a compatibility ideograph reads as its unified one
    if (base.length != character.folded.size())
        base.codePoint = decoded.codePoint;
    character.readings = Readings(hanReadings(base.codePoint));
    if (decoded.codePoint >= FirstHangulSyllable && decoded.codePoint <= LastHangulSyllable)
        character.hangulInitial = HangulInitials[(decoded.codePoint - FirstHangulSyllable) / SyllablesPerInitial];
    return character;
}

// Appends `piece` unless the key would grow past its bound; false once it is full.
bool appendBounded(std::string& key, std::string_view piece)
{
    if (key.size() + piece.size() > MostKeyBytes)
        return false;
    key.append(piece.data(), piece.size());
    return true;
}

void appendReading(std::string& key, std::string_view reading, bool& full)
{
    const bool breakBefore = !key.empty() && key.back() != ReadingBreak;
    if (key.size() + (breakBefore ? 1 : 0) + reading.size() + 1 > MostKeyBytes) {
        full = true;
        return;
    }
    if (breakBefore)
        key += ReadingBreak;
    key.append(reading.data(), reading.size());
    key += ReadingBreak;
}

// The key of one combination of readings: choice[k] picks the reading of the k-th Han character.
std::string readingKey(const std::vector<NameCharacter>& characters, const std::vector<std::size_t>& choice,
                       bool initials)
{
    std::string key;
    bool full = false;
    std::size_t han = 0;
    for (const NameCharacter& character : characters) {
        if (full)
            break;
        if (character.readings.empty()) {
            full = !appendBounded(key, character.folded);
            continue;
        }
        const std::string_view reading = character.readings[choice[han++]];
        appendReading(key, initials ? reading.substr(0, 1) : reading, full);
    }
    return key;
}

// The next combination, the first character varying fastest; false after the last.
bool nextChoice(const std::vector<NameCharacter>& characters, std::vector<std::size_t>& choice)
{
    std::size_t han = 0;
    for (const NameCharacter& character : characters) {
        if (character.readings.empty())
            continue;
        if (++choice[han] < character.readings.size())
            return true;
        choice[han++] = 0;
    }
    return false;
}

void addKey(std::vector<SearchKey>& keys, SearchKeyKind kind, std::string text)
{
    for (const SearchKey& key : keys) {
        if (key.text == text)
            return;
    }
    keys.push_back(SearchKey{kind, std::move(text)});
}

void addReadingKeys(const std::vector<NameCharacter>& characters, std::size_t hanCount, std::vector<SearchKey>& keys)
{
    std::vector<std::size_t> choice(hanCount, 0);
    std::vector<std::string> initials;
    for (std::size_t made = 0; made < MostReadingCombinations; ++made) {
        addKey(keys, SearchKeyKind::Syllables, readingKey(characters, choice, false));
        initials.push_back(readingKey(characters, choice, true));
        if (!nextChoice(characters, choice))
            break;
    }
    for (std::string& key : initials)
        addKey(keys, SearchKeyKind::Initials, std::move(key));
}

std::string hangulKey(const std::vector<NameCharacter>& characters)
{
    std::string key;
    for (const NameCharacter& character : characters) {
        std::string piece;
        if (character.hangulInitial != 0)
            appendUtf8(piece, character.hangulInitial);
        else
            piece = character.folded;
        if (!appendBounded(key, piece))
            break;
    }
    return key;
}

} // namespace

bool isPhoneticKey(SearchKeyKind kind)
{
    return kind != SearchKeyKind::Folded;
}

const char* searchKeyKindName(SearchKeyKind kind)
{
    switch (kind) {
    case SearchKeyKind::Folded:
        return "folded name";
    case SearchKeyKind::Syllables:
        return "pinyin";
    case SearchKeyKind::Initials:
        return "pinyin initials";
    case SearchKeyKind::Hangul:
        return "Hangul initials";
    }
    return "";
}

bool hasSearchKeys(std::string_view name)
{
    return !isAscii(name) && isValidUtf8(name);
}

std::vector<SearchKey> searchKeysOf(std::string_view name)
{
    std::vector<SearchKey> keys;
    if (!hasSearchKeys(name))
        return keys;
    std::vector<NameCharacter> characters;
    std::size_t hanCount = 0;
    bool hasHangul = false;
    std::string folded;
    for (std::size_t at = 0; at < name.size();) {
        characters.push_back(characterAt(name, at));
        hanCount += characters.back().readings.empty() ? 0 : 1;
        hasHangul = hasHangul || characters.back().hangulInitial != 0;
        if (!appendBounded(folded, characters.back().folded))
            break;
    }
    keys.push_back(SearchKey{SearchKeyKind::Folded, folded});
    if (hanCount > 0)
        addReadingKeys(characters, hanCount, keys);
    if (hasHangul)
        addKey(keys, SearchKeyKind::Hangul, hangulKey(characters));
    return keys;
}

namespace {

std::uint32_t asciiLetters(std::string_view text)
{
    std::uint32_t letters = 0;
    for (char c : text)
        letters |= static_cast<unsigned char>(c) < 0x80 ? 1u << (static_cast<unsigned char>(c) & 31u) : 0u;
    return letters;
}

// What one character beyond ASCII of a name adds to its keys' letters: its folding and readings.
std::uint32_t lettersOfCharacter(char32_t codePoint)
{
    const FoldedCodePoint folded = foldCodePoint(codePoint);
    std::uint32_t letters = folded.unchanged ? 0 : asciiLetters(folded.text);
    // A compatibility ideograph reads as the unified one it folds to.
    const char32_t base = folded.unchanged ? codePoint : decodeUtf8(folded.text).codePoint;
    for (char32_t han : {codePoint, base}) {
        const std::string_view readings = hanReadings(han);
        if (!readings.empty())
            letters |= asciiLetters(readings) | 1u << (static_cast<unsigned char>(ReadingBreak) & 31u);
    }
    return letters;
}

} // namespace

std::uint32_t KeyLetterMemory::lettersOf(char32_t codePoint)
{
    Slot& slot = slots_[(codePoint * HashMultiplier) >> (32 - SlotBits)];
    if (slot.codePoint != codePoint)
        slot = Slot{codePoint, lettersOfCharacter(codePoint)};
    return slot.letters;
}

bool searchKeyLetters(std::string_view name, KeyLetterMemory& memory, std::uint32_t& letters)
{
    bool beyondAscii = false;
    letters = 0;
    for (std::size_t at = 0; at < name.size();) {
        const auto byte = static_cast<unsigned char>(name[at]);
        if (byte < 0x80) {
            letters |= 1u << (byte & 31u);
            ++at;
            continue;
        }
        const DecodedCodePoint decoded = decodeUtf8(name.substr(at));
        if (decoded.length == 0)
            return false; // not UTF-8: no keys
        beyondAscii = true;
        letters |= memory.lettersOf(decoded.codePoint);
        at += decoded.length;
    }
    return beyondAscii;
}

std::string foldedQuery(std::string_view upperQuery)
{
    if (isAscii(upperQuery))
        return std::string(upperQuery);
    std::string folded;
    for (char c : foldedText(upperQuery)) {
        if (c != ReadingBreak)
            folded += toUpperAscii(c);
    }
    return folded;
}
