# The Windows programs: Tandor.exe, its companions, tandor-query.exe, the test driver and the
# keystroke timing.
# The version header and the application manifest the resources read, made from the project's version.
configure_file(${CMAKE_SOURCE_DIR}/src/resources/version.h.in ${CMAKE_BINARY_DIR}/generated/tandor_version.h)
# A 64-bit program that names the x86 Common Controls in its manifest does not start on Windows.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(TANDOR_MANIFEST_ARCHITECTURE amd64)
else()
    set(TANDOR_MANIFEST_ARCHITECTURE x86)
endif()
configure_file(${CMAKE_SOURCE_DIR}/src/resources/tandor.manifest.in ${CMAKE_BINARY_DIR}/generated/tandor.manifest @ONLY)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_SOURCE_DIR}/src -I${CMAKE_BINARY_DIR}/generated")
enable_language(RC)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 _WIN32_IE=0x0600)
add_link_options(-static -static-libgcc -static-libstdc++)

set(WINDOWS_SOURCES)
foreach(subsystem ${SUBSYSTEMS})
    file(GLOB found CONFIGURE_DEPENDS src/${subsystem}/win/*.cpp)
    list(APPEND WINDOWS_SOURCES ${found})
endforeach()
list(FILTER WINDOWS_SOURCES EXCLUDE REGEX "/system_[^/]*\\.cpp$")

add_executable(Tandor WIN32 ${WINDOWS_SOURCES} src/resources/tandor.rc)
target_link_libraries(Tandor PRIVATE tandor_portable
    user32 gdi32 shell32 ole32 uuid comctl32 winmm urlmon)

# The help pages travel beside the program.
add_custom_command(TARGET Tandor POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/html ${CMAKE_BINARY_DIR}/bin/html)

file(GLOB helper_lists CONFIGURE_DEPENDS src/installhelpers/*/CMakeLists.txt)
foreach(list_file ${helper_lists})
    get_filename_component(dir ${list_file} DIRECTORY)
    add_subdirectory(${dir})
endforeach()
add_subdirectory(tools/tandor-query)
add_subdirectory(tests/wine/driver)
add_subdirectory(tests/wine/marker)
add_subdirectory(tests/wine/command-recorder)
add_subdirectory(bench/timing)

# The resource scripts read the generated manifest and version header, which CMake's scan of
# .rc files does not see: a changed manifest must rebuild the resources.
file(GLOB_RECURSE resource_scripts CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/resources/*.rc)
set_source_files_properties(${resource_scripts} PROPERTIES OBJECT_DEPENDS
    "${CMAKE_BINARY_DIR}/generated/tandor.manifest;${CMAKE_BINARY_DIR}/generated/tandor_version.h")
