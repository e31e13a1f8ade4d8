// Wildcard matching of file names against `;`-separated pattern lists ('*' and '?',
// ASCII-only case folding).
#pragma once

#include <string>

// True when `name` matches at least one pattern of the `;`-separated `patternList`.
// Blanks before each pattern are skipped; blanks inside and after a pattern belong to it.
bool matchPatternList(const std::string& name, const std::string& patternList);

// True when `name` matches the wildcard `pattern` as a whole. What follows a '*' is tried
// as a pattern list, so blanks right after a star are skipped.
bool matchPattern(const std::string& name, const std::string& pattern);
