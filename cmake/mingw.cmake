# What the MinGW-w64 cross-builds share. The including toolchain file sets TANDOR_MINGW_TRIPLE,
# the target's triple (i686-w64-mingw32, x86_64-w64-mingw32), which names the tools and the
# folder of the target's headers and libraries.
set(CMAKE_SYSTEM_NAME Windows)
string(REGEX REPLACE "-.*$" "" CMAKE_SYSTEM_PROCESSOR ${TANDOR_MINGW_TRIPLE})
set(CMAKE_C_COMPILER ${TANDOR_MINGW_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${TANDOR_MINGW_TRIPLE}-g++)
set(CMAKE_RC_COMPILER ${TANDOR_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TANDOR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
