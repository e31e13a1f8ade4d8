// What every fuzz target is made of: a registered function over the input bytes, checks of
// the invariants it exists for, and a reader that turns bytes into the target's choices.
// The same targets run under libFuzzer and, for the saved corpora, inside the unit tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using FuzzFunction = void (*)(const std::uint8_t* data, std::size_t size);

struct FuzzTarget {
    const char* name;
    FuzzFunction run;
};

// Every target linked into this program.
std::vector<FuzzTarget>& fuzzTargets();

struct FuzzTargetRegistration {
    FuzzTargetRegistration(const char* name, FuzzFunction run) { fuzzTargets().push_back({name, run}); }
};

#define TANDOR_FUZZ_TARGET(name)                                                   \
    static void fuzz_##name(const std::uint8_t* data, std::size_t size);           \
    static const FuzzTargetRegistration registration_##name(#name, fuzz_##name);   \
    static void fuzz_##name(const std::uint8_t* data, std::size_t size)

[[noreturn]] void fuzzCheckFailed(const char* condition, const char* file, int line);

// An invariant of the code under test: breaking it is a finding, like a crash.
#define FUZZ_CHECK(condition) ((condition) ? (void)0 : fuzzCheckFailed(#condition, __FILE__, __LINE__))

// Takes the input apart front to back; once it is used up every read gives zero or empty.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : at_(data), end_(data + size) {}

    bool empty() const { return at_ == end_; }
    std::uint8_t byte() { return empty() ? 0 : *at_++; }
    // Little-endian, like the files this project reads.
    std::uint16_t word()
    {
        const std::uint8_t low = byte();
        return static_cast<std::uint16_t>(low | (byte() << 8));
    }
    // Bytes up to the next `separator` (which is consumed) or the end.
    std::string text(char separator = '\0');
    // Everything not read yet.
    std::string rest();

private:
    const std::uint8_t* at_;
    const std::uint8_t* end_;
};
