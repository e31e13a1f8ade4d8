# Native build: unit tests, benchmarks and the command-line tools.
enable_testing()
add_subdirectory(tests/unit)
if(EXISTS ${CMAKE_SOURCE_DIR}/tools/tandor-query/CMakeLists.txt)
    add_subdirectory(tools/tandor-query)
endif()
if(EXISTS ${CMAKE_SOURCE_DIR}/bench/CMakeLists.txt)
    add_subdirectory(bench)
endif()
