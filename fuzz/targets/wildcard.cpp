// Wildcards: the matcher answers as a plain recursive reading of the rules does.
#include "fuzz_target.h"

#include "base/ascii.h"
#include "scanning/wildcard.h"

#include <algorithm>
#include <string_view>

namespace {

// Short enough for the exponential reading below to stay fast.
constexpr std::size_t MaxNameLength = 12;
constexpr std::size_t MaxPatternLength = 14;
constexpr long MaxStars = 4;

bool readingOfList(std::string_view name, std::string_view list);

// One pattern against the name, character by character; a star retries the rest of the
// pattern, read as a list, from every later name position that leaves a character.
bool readingOfPattern(std::string_view name, std::string_view pattern)
{
    if (pattern.empty())
        return name.empty();
    if (pattern.front() == '*') {
        if (pattern.size() == 1)
            return true;
        for (std::size_t t = 0; t < name.size(); ++t) {
            if (readingOfList(name.substr(t), pattern.substr(1)))
                return true;
        }
        return false;
    }
    if (name.empty())
        return false;
    if (pattern.front() != '?' && toUpperAscii(pattern.front()) != toUpperAscii(name.front()))
        return false;
    return readingOfPattern(name.substr(1), pattern.substr(1));
}

// Blanks before each pattern are skipped; an empty list, or one that ends right after a ';',
// has no more patterns.
bool readingOfList(std::string_view name, std::string_view list)
{
    if (list.empty())
        return false;
    for (;;) {
        while (!list.empty() && list.front() == ' ')
            list.remove_prefix(1);
        const std::size_t end = std::min(list.find(';'), list.size());
        if (readingOfPattern(name, list.substr(0, end)))
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
    FUZZ_CHECK(matchPatternList(name, patterns) == readingOfList(name, patterns));
    FUZZ_CHECK(matchPattern(name, patterns) == readingOfPattern(name, patterns));
}
