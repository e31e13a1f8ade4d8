// Wildcards: the matcher answers as a plain recursive reading of the rules does.
#include "fuzz_target.h"

#include "base/ascii.h"
#include "base/utf8.h"
#include "scanning/wildcard.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

// Short enough for the exponential reading below to stay fast.
constexpr std::size_t MaxNameLength = 12;
constexpr std::size_t MaxPatternLength = 14;
constexpr long MaxStars = 4;

// The name's characters, counted from its start: where each begins, and where it ends. A byte
// that starts no well-formed UTF-8 sequence is a character of its own.
struct Characters {
    explicit Characters(std::string_view name) : ends(name.size() + 1, 0)
    {
        for (std::size_t at = 0; at < name.size(); at = ends[at]) {
            const std::size_t length = decodeUtf8(name.substr(at)).length;
            ends[at] = at + std::max<std::size_t>(length, 1);
        }
    }
    bool startsAt(std::size_t at) const { return ends[at] != 0; }
    std::vector<std::size_t> ends;
};

bool readingOfList(std::string_view name, const Characters& characters, std::size_t at, std::string_view list);

// One pattern against the name from `at`, byte by byte; '?' takes one whole character, and a
// star retries the rest of the pattern, read as a list, from every later character start that
// leaves a character.
bool readingOfPattern(std::string_view name, const Characters& characters, std::size_t at, std::string_view pattern)
{
    if (pattern.empty())
        return at == name.size();
    if (pattern.front() == '*') {
        if (pattern.size() == 1)
            return true;
        for (std::size_t t = at; t < name.size(); ++t) {
            if (characters.startsAt(t) && readingOfList(name, characters, t, pattern.substr(1)))
                return true;
        }
        return false;
    }
    if (at == name.size())
        return false;
    if (pattern.front() == '?')
        return characters.startsAt(at) && readingOfPattern(name, characters, characters.ends[at], pattern.substr(1));
    if (toUpperAscii(pattern.front()) != toUpperAscii(name[at]))
        return false;
    return readingOfPattern(name, characters, at + 1, pattern.substr(1));
}

// Blanks before each pattern are skipped; an empty list, or one that ends right after a ';',
// has no more patterns.
bool readingOfList(std::string_view name, const Characters& characters, std::size_t at, std::string_view list)
{
    if (list.empty())
        return false;
    for (;;) {
        while (!list.empty() && list.front() == ' ')
            list.remove_prefix(1);
        const std::size_t end = std::min(list.find(';'), list.size());
        if (readingOfPattern(name, characters, at, list.substr(0, end)))
            return true;
        if (end + 1 >= list.size())
            return false;
        list.remove_prefix(end + 1);
    }
}

} // namespace

TANDOR_FUZZ_TARGET(wildcard)
{
    FuzzInput input(data, size);
    const std::string name = input.text().substr(0, MaxNameLength);
    const std::string patterns = input.text().substr(0, MaxPatternLength);
    if (std::count(patterns.begin(), patterns.end(), '*') > MaxStars)
        return;
    const Characters characters(name);
    FUZZ_CHECK(matchPatternList(name, patterns) == readingOfList(name, characters, 0, patterns));
    FUZZ_CHECK(matchPattern(name, patterns) == readingOfPattern(name, characters, 0, patterns));
}
