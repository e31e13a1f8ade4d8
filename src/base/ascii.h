// ASCII-only case folding: matching, patterns, hashing and option words fold only 'a' to 'z',
// so that every other byte of the ANSI code page compares exactly.
#pragma once

#include <string>

inline bool isLowerAscii(char c)
{
    return c >= 'a' && c <= 'z';
}

inline bool isUpperAscii(char c)
{
    return c >= 'A' && c <= 'Z';
}

inline char toUpperAscii(char c)
{
    return isLowerAscii(c) ? static_cast<char>(c - 'a' + 'A') : c;
}

inline char toLowerAscii(char c)
{
    return isUpperAscii(c) ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool isAsciiLetter(char c)
{
    return isUpperAscii(c) || isLowerAscii(c);
}

inline std::string upperCasedAscii(std::string text)
{
    for (char& c : text)
        c = toUpperAscii(c);
    return text;
}
