// The search keys of a name that is not plain ASCII, made once when the match index is built:
// the name folded, and for Han characters and Hangul syllables the ways people type them on a
// Latin keyboard. An ASCII name has none: it is its own key.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class SearchKeyKind : char {
    Folded = 'f',    // the name's own letters, folded
    Syllables = 's', // every Han character as one of its pinyin readings
    Initials = 'i',  // every Han character as the first letter of one of its readings
    Hangul = 'h',    // every Hangul syllable as its initial consonant
};

struct SearchKey {
    SearchKeyKind kind = SearchKeyKind::Folded;
    std::string text;
};

// Goes before and after each reading in a key, so that every reading begins a word; no typed
// query holds it.
constexpr char ReadingBreak = '\x01';
// The bounds that keep a long name of characters with many readings small: at most this many
// combinations of readings (the first character's readings varying fastest), and a key stops
// before it grows past this many bytes.
constexpr std::size_t MostReadingCombinations = 8;
constexpr std::size_t MostKeyBytes = 255;

bool isPhoneticKey(SearchKeyKind kind);
const char* searchKeyKindName(SearchKeyKind kind);

// True for a name beyond ASCII in well-formed UTF-8: it is matched on its search keys alone. An
// ASCII name is its own key, and one that is not UTF-8 (from an older catalogue or another
// program) keeps the byte walk.
bool hasSearchKeys(std::string_view name);

// Empty when the name has none.
std::vector<SearchKey> searchKeysOf(std::string_view name);

// What characters beyond ASCII add to the letters of the keys of the names they are in, remembered:
// the names of one list share most of their characters, and working it out takes a fold and two
// readings lookups.
class KeyLetterMemory {
public:
    std::uint32_t lettersOf(char32_t codePoint);

private:
    static constexpr unsigned SlotBits = 10;
    static constexpr std::uint32_t HashMultiplier = 2654435761u; // spreads neighbouring code points
    struct Slot {
        char32_t codePoint = 0; // never asked for: ASCII is not looked up
        std::uint32_t letters = 0;
    };
    std::array<Slot, 1u << SlotBits> slots_{};
};

// Whether the name has search keys (as hasSearchKeys says), and a bit per ASCII character any of
// them may hold, as computeCharMask sets them: every key's ASCII characters are among them. Made
// without making the keys, to pass over a name whose keys cannot hold an ASCII query's letters.
bool searchKeyLetters(std::string_view name, KeyLetterMemory& memory, std::uint32_t& letters);

// A query folded as the keys are, its ASCII letters upper-cased as the matcher wants them; an
// ASCII query is returned as it is.
std::string foldedQuery(std::string_view upperQuery);
