#include "fuzz_target.h"

#include <cstdio>
#include <cstdlib>

std::vector<FuzzTarget>& fuzzTargets()
{
    static std::vector<FuzzTarget> targets;
    return targets;
}

void fuzzCheckFailed(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "%s:%d: fuzz check failed: %s\n", file, line, condition);
    std::abort();
}

std::string FuzzInput::text(char separator)
{
    const std::uint8_t* start = at_;
    while (at_ != end_ && *at_ != static_cast<std::uint8_t>(separator))
        ++at_;
    std::string taken(reinterpret_cast<const char*>(start), static_cast<std::size_t>(at_ - start));
    if (at_ != end_)
        ++at_;
    return taken;
}

std::string FuzzInput::rest()
{
    std::string taken(reinterpret_cast<const char*>(at_), static_cast<std::size_t>(end_ - at_));
    at_ = end_;
    return taken;
}
