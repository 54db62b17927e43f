# Cross-build for 64-bit Windows with Debian's MinGW-w64 compilers; the
# programs run under Wine (scripts/wine.sh). Only the Qt-free core library and
# its tests are built this way.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(NODRA_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${NODRA_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${NODRA_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${NODRA_MINGW}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${NODRA_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The C++ runtime linked in, so that the programs need no DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
