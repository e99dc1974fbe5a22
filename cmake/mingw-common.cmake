# Shared part of the two mingw-w64 toolchain files. The including file sets
# NOBO_MINGW_TRIPLE before including this one.
set(CMAKE_SYSTEM_NAME Windows)

# The -posix thread model: GoogleTest needs std::mutex, which the win32 model lacks.
set(CMAKE_C_COMPILER   ${NOBO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NOBO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${NOBO_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${NOBO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Cross-built programs (tests, helpers) run under Wine through this wrapper.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
