# Native build: unit tests, benchmarks and the command-line tools.
enable_testing()
add_subdirectory(tests/unit)
add_subdirectory(tools/tandor-query)
add_subdirectory(bench)
