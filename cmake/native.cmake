# Native build: unit tests, benchmarks and the command-line tools.
if(TANDOR_FUZZ)
    add_subdirectory(fuzz)
    return()
endif()

enable_testing()
add_subdirectory(tests/unit)
if(EXISTS ${CMAKE_SOURCE_DIR}/tools/tandor-query/CMakeLists.txt)
    add_subdirectory(tools/tandor-query)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/bench/CMakeLists.txt AND NOT TANDOR_SANITIZE)
    add_subdirectory(bench)
endif()
