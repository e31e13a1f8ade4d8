# Native builds with AddressSanitizer and UndefinedBehaviorSanitizer, undefined behaviour
# aborting like any other finding: the unit tests (TANDOR_SANITIZE) and the fuzz targets
# (TANDOR_FUZZ, with clang's libFuzzer). Set before any target, so that every one gets them.
option(TANDOR_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(TANDOR_FUZZ "Build only the libFuzzer targets (needs clang); implies the sanitizers" OFF)
if(TANDOR_SANITIZE OR TANDOR_FUZZ)
    set(SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${SANITIZERS})
    add_link_options(${SANITIZERS})
endif()
if(TANDOR_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
