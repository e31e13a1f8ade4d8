// What the keystroke benchmarks type: prefixes of these words in turn, each keystroke selecting
// a list's worth of results.
#pragma once

#include <cstddef>

constexpr std::size_t ListCapacity = 20;
constexpr const char* TypedWords[] = {"PHOTOV", "MSWORD", "NOTEPA", "IEXPLO", "TBEDIT", "SETUP1"};
constexpr std::size_t TypedWordCount = sizeof TypedWords / sizeof TypedWords[0];
