// A query planned once for the fastest walk this machine has, and that walk: 32 bytes at once
// (SSE2) for a name that ends within them, else a machine word at a time.
#pragma once

#include "catalogue/name_walk.h"
#include "catalogue/wide_walk.h"

#include <cstddef>
#include <cstdint>

struct WalkPlan {
    packed::QueryPlan words;
#ifdef TANDOR_WIDE_WALK
    wide::Plan wide;
#endif
};

// False when the names cannot be read a word at a time here (a big-endian machine), when no
// name can match (a lower-case character), or when the query is longer than a plan holds.
inline bool planWalk(const char* query, WalkPlan& plan)
{
    bool planned = packed::littleEndian() && packed::planQuery(query, plan.words);
#ifdef TANDOR_WIDE_WALK
    planned = planned && wide::planQuery(query, plan.wide);
#endif
    return planned;
}

// The walk of `name`, which ends at its first NUL (or line feed, for LinesEnd); `stop` is where
// the last hit is when it matched.
template <bool LinesEnd>
inline bool walkPlanned(const char* name, const WalkPlan& plan, std::int32_t& score, std::size_t& stop)
{
#ifdef TANDOR_WIDE_WALK
    unsigned at = 0;
    const wide::Walked walked = wide::walk<LinesEnd>(name, plan.wide, score, at);
    if (walked != wide::Walked::TooLong) {
        stop = at;
        return walked == wide::Walked::Matched;
    }
#endif
    bool matched = false;
    stop = static_cast<std::size_t>(packed::walk<LinesEnd>(name, plan.words, matched, score) - name);
    return matched;
}
