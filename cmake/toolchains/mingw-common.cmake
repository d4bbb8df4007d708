# What both mingw-w64 toolchains share; the including file sets
# CMAKE_SYSTEM_PROCESSOR and LITE_MINGW_TRIPLE first. The -posix compilers give
# std::thread and std::mutex; the -win32 ones do not.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${LITE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LITE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${LITE_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${LITE_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
