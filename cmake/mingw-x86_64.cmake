# Cross-build of the 64-bit Windows programs with MinGW-w64.
set(TANDOR_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
