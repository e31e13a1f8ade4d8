// The folding that makes names in every script match as easily as ASCII ones, independent of any
// locale: full case folding, accents and other nonspacing marks dropped after canonical
// decomposition, full- and half-width forms as the plain ones, katakana as hiragana, "ß" as "ss".
// ASCII is left as it is (the matcher folds its letters itself), and so are bytes that are not
// well-formed UTF-8.
#pragma once

#include <string>
#include <string_view>

// The version of the Unicode Character Database the tables were made from.
const char* foldDataVersion();

// What one code point folds to; `unchanged` when it stays itself (then `text` is empty).
struct FoldedCodePoint {
    bool unchanged = true;
    std::string_view text;
};
FoldedCodePoint foldCodePoint(char32_t codePoint);

void appendFolded(std::string& out, std::string_view text);
std::string foldedText(std::string_view text);

// The Mandarin readings of a Han character, without tones and separated by spaces, the most
// common first; empty for any other code point.
std::string_view hanReadings(char32_t codePoint);
