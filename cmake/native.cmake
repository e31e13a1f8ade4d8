# Native build: unit tests, benchmarks and the command-line tools.
if(TANDOR_FUZZ)
    add_subdirectory(fuzz)
    return()
endif()

enable_testing()
add_subdirectory(tests/unit)
add_subdirectory(tools/tandor-query)
if(NOT TANDOR_SANITIZE)
    add_subdirectory(bench)
    add_subdirectory(bench/timing)
endif()
