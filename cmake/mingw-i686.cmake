# Cross-build of the 32-bit Windows programs with MinGW-w64.
set(TANDOR_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
# Every processor that runs Windows 10 or 11 has SSE2, which the matcher uses. A 32-bit Windows
# thread's stack is only sure to be four-byte aligned, so functions that keep SSE values on it
# align it themselves.
set(CMAKE_C_FLAGS_INIT "-msse2 -mstackrealign")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mstackrealign")
