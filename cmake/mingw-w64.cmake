# Cross-compiling Tilora.exe for 64-bit Windows with Debian's MinGW-w64.
# The -posix compilers are needed: the win32 threading model has no std::mutex,
# which GoogleTest requires.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TILORA_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TILORA_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TILORA_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TILORA_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TILORA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test programs run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
