// Asks for a cache line before it is read, where the processor has an instruction for it: the
// keys of a keyed candidate are found while a run of names is walked and read after it, so the
// wait for them overlaps the walk.
#pragma once

#include <cstddef>

constexpr std::size_t CacheLineBytes = 64;

#if defined(__SSE__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 1)
#include <xmmintrin.h>

inline void prefetchLine(const char* address)
{
    _mm_prefetch(address, _MM_HINT_T0);
}
#else
inline void prefetchLine(const char*)
{
}
#endif
