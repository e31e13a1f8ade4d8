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
# A resource script that embeds the generated manifest or reads the generated version header
# names it in a way CMake's scan of .rc files does not see, so a change to either would leave the
# program with the old one. A source file's properties hold only for the targets of the folder
# whose CMakeLists sets them: each folder marks its own scripts with this.
function(tandor_resources_embed_generated_files)
    set_property(SOURCE ${ARGN} APPEND PROPERTY OBJECT_DEPENDS
        ${CMAKE_BINARY_DIR}/generated/tandor.manifest ${CMAKE_BINARY_DIR}/generated/tandor_version.h)
endfunction()
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
tandor_resources_embed_generated_files(src/resources/tandor.rc)
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
