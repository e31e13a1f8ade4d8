// UTF-8, decoded strictly: the programs' narrow text is UTF-8, but files written by older versions
// and names from other programs may hold anything, so every decoder here says where text is not
// well-formed instead of guessing.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

constexpr char32_t kLastCodePoint = 0x10FFFF;
constexpr std::size_t kLongestUtf8Sequence = 4;

// A path of the system's classic limit, 259 characters, in UTF-8: a UTF-16 unit takes at most
// three bytes (the four of a surrogate pair stand for two units).
constexpr std::size_t kLongestClassicPathCharacters = 259;
constexpr std::size_t kLongestClassicPathBytes = kLongestClassicPathCharacters * 3;

// The code point that starts `text` and the bytes it takes. A sequence that is overlong, truncated,
// a surrogate or beyond the last code point takes zero bytes.
struct DecodedCodePoint {
    char32_t codePoint = 0;
    std::size_t length = 0;
};

DecodedCodePoint decodeUtf8(std::string_view text);

bool isValidUtf8(std::string_view text);
bool isAscii(std::string_view text);
// Where the first byte beyond ASCII stands, or the text's size when there is none.
std::size_t firstBeyondAscii(std::string_view text);

// Appends the UTF-8 form of `codePoint`; surrogates and values past the last code point append
// U+FFFD instead, so the result is always well-formed.
void appendUtf8(std::string& text, char32_t codePoint);

// The longest prefix of `text` of at most `maxBytes` bytes that does not cut a sequence in two.
std::size_t utf8PrefixLength(std::string_view text, std::size_t maxBytes);

// The UTF-16 units the system needs for `text`: two for a code point beyond the first plane,
// one for any other, and one for each byte that starts no well-formed sequence.
std::size_t utf16Length(std::string_view text);

// The bytes of the first `maxCharacters` characters of `text`; a byte that starts no
// well-formed sequence counts as one character.
std::size_t utf8CharactersPrefixLength(std::string_view text, std::size_t maxCharacters);
