#include "scanning/wildcard.h"

#include "base/ascii.h"
#include "base/utf8.h"

#include <cstddef>
#include <vector>

// The matching rules are naturally written as a recursion that retries the rest of the
// pattern at every name position after each star, which is exponential for patterns such
// as "*a*a*a*a*b". This table computes the same answers for every (name position, pattern
// position) pair once, so the work is bounded by name length times pattern length.
//
// Inside one `;`-separated pattern no ';' can occur, so every pattern position belongs to
// the pattern that ends at the next ';' (or the end of the text); a star's "rest of the
// pattern" is that same pattern's tail.

namespace {

constexpr char ListSeparator = ';';
constexpr char Blank = ' ';
constexpr char AnyRun = '*';
constexpr char AnyOne = '?';
constexpr std::size_t NotACharacterStart = 0;

// Where the character that starts at each byte of the name ends, or NotACharacterStart inside
// a character: '?' takes one whole character and a star resumes only where one starts, so
// neither splits a UTF-8 sequence. A byte that starts no well-formed sequence is a character
// of its own.
std::vector<std::size_t> characterEnds(const std::string& name)
{
    std::vector<std::size_t> ends(name.size() + 1, NotACharacterStart);
    std::size_t at = 0;
    while (at < name.size()) {
        const std::size_t length = decodeUtf8(std::string_view(name).substr(at)).length;
        ends[at] = at + (length == 0 ? 1 : length);
        at = ends[at];
    }
    ends[name.size()] = name.size();
    return ends;
}

class MatchTable {
public:
    MatchTable(const std::string& name, const std::string& patterns)
        : name_(name), patterns_(patterns), characterEnds_(characterEnds(name)), columns_(patterns.size() + 1),
          patternEnd_(columns_), matches_((name.size() + 1) * columns_, 0),
          starTries_((name.size() + 1) * columns_, 0)
    {
        std::size_t end = patterns_.size();
        for (std::size_t k = patterns_.size() + 1; k-- > 0;) {
            if (k < patterns_.size() && patterns_[k] == ListSeparator)
                end = k;
            patternEnd_[k] = end;
        }
        fill();
    }

    // The name from `i` matches the pattern that runs from `k` to the next ';'.
    bool matches(std::size_t i, std::size_t k) const { return matches_[i * columns_ + k] != 0; }

    // Some name position t >= i with at least one character left at t matches the
    // pattern tail from `k` with its leading blanks skipped.
    bool starTry(std::size_t i, std::size_t k) const { return starTries_[i * columns_ + k] != 0; }

    std::size_t patternEnd(std::size_t k) const { return patternEnd_[k]; }

    bool startsCharacter(std::size_t i) const { return characterEnds_[i] != NotACharacterStart; }
    std::size_t characterEnd(std::size_t i) const { return characterEnds_[i]; }

    std::size_t skipBlanks(std::size_t k, std::size_t end) const
    {
        while (k < end && patterns_[k] == Blank)
            ++k;
        return k;
    }

private:
    void fill()
    {
        const std::size_t n = name_.size();
        for (std::size_t i = n + 1; i-- > 0;) {
            for (std::size_t k = patterns_.size() + 1; k-- > 0;) {
                const std::size_t end = patternEnd_[k];
                // A match at k needs only later pattern positions or later name positions;
                // a star try at k may need the match at k itself (no blank to skip).
                matches_[i * columns_ + k] = computeMatch(i, k, end);
                if (k < end) {
                    const std::size_t tail = skipBlanks(k, end);
                    starTries_[i * columns_ + k] =
                        i < n && ((startsCharacter(i) && matches(i, tail)) || starTry(i + 1, k));
                }
            }
        }
    }

    bool computeMatch(std::size_t i, std::size_t k, std::size_t end) const
    {
        if (k == end)
            return i == name_.size();
        if (patterns_[k] == AnyRun) {
            if (k + 1 == end)
                return true;
            return starTry(i, k + 1);
        }
        if (i == name_.size())
            return false;
        if (patterns_[k] == AnyOne)
            return startsCharacter(i) && matches(characterEnd(i), k + 1);
        if (toUpperAscii(patterns_[k]) == toUpperAscii(name_[i]))
            return matches(i + 1, k + 1);
        return false;
    }

    const std::string& name_;
    const std::string& patterns_;
    std::vector<std::size_t> characterEnds_;
    std::size_t columns_;
    std::vector<std::size_t> patternEnd_;
    std::vector<char> matches_;
    std::vector<char> starTries_;
};

// Walks the list from `start` pattern by pattern, as the list rule does.
template <typename TryPattern>
bool anyPatternOfList(const MatchTable& table, std::size_t start, std::size_t listEnd,
                      TryPattern tryPattern)
{
    if (start == listEnd)
        return false;
    std::size_t k = start;
    for (;;) {
        k = table.skipBlanks(k, listEnd);
        if (tryPattern(k))
            return true;
        const std::size_t end = table.patternEnd(k);
        if (end >= listEnd)
            return false;
        k = end + 1; // over the ';'
        if (k == listEnd)
            return false;
    }
}

} // namespace

bool matchPatternList(const std::string& name, const std::string& patternList)
{
    const MatchTable table(name, patternList);
    return anyPatternOfList(table, 0, patternList.size(),
                            [&](std::size_t k) { return table.matches(0, k); });
}

bool matchPattern(const std::string& name, const std::string& pattern)
{
    // A pattern given on its own may contain ';': before its first star those compare
    // like any character, and the tail after that star is split as a list.
    const MatchTable table(name, pattern);
    const std::size_t patternEnd = pattern.size();
    std::size_t i = 0;
    std::size_t k = 0;
    for (;;) {
        if (k == patternEnd)
            return i == name.size();
        if (pattern[k] == AnyRun)
            break;
        if (i == name.size())
            return false;
        if (pattern[k] == AnyOne) {
            if (!table.startsCharacter(i))
                return false;
            i = table.characterEnd(i);
        } else if (toUpperAscii(pattern[k]) == toUpperAscii(name[i])) {
            ++i;
        } else {
            return false;
        }
        ++k;
    }
    const std::size_t tail = k + 1;
    if (tail == patternEnd)
        return true;
    for (std::size_t t = i; t < name.size(); ++t) {
        if (table.startsCharacter(t) && anyPatternOfList(table, tail, patternEnd, [&](std::size_t s) { return table.matches(t, s); }))
            return true;
    }
    return false;
}
