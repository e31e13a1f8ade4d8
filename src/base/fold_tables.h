// The generated tables of the text folding and the Han readings (tools/make_fold_tables.py):
// two levels each, a block number per 256 code points and per block a number per code point,
// which picks a string of a pool (0: none).
#pragma once

#include <cstdint>

namespace fold_tables {

constexpr char32_t FoldLimit = 0x20000;   // the folding covers the code points below
constexpr char32_t ReadingLimit = 0x10000;
constexpr unsigned BlockBits = 8;
constexpr unsigned BlockSize = 1u << BlockBits;

extern const char DataVersion[];
extern const std::uint8_t FoldBlockOf[];
extern const std::uint16_t FoldBlocks[][BlockSize];
extern const std::uint16_t FoldStarts[];
extern const unsigned char FoldBytes[];
extern const std::uint8_t ReadingBlockOf[];
extern const std::uint16_t ReadingBlocks[][BlockSize];
extern const std::uint16_t ReadingStarts[];
extern const unsigned char ReadingBytes[];

} // namespace fold_tables
