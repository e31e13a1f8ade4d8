// libFuzzer's entry point for a program that links exactly one target.
#include "fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzTargets().front().run(data, size);
    return 0;
}
