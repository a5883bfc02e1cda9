# Cross build for 64-bit Windows with Debian's MinGW-w64 compiler, the variant
# with POSIX threads (std::thread, which GoogleTest uses, needs it).
#
#   cmake --preset windows     (or -DCMAKE_TOOLCHAIN_FILE=<this file>)
#
# Programs are linked statically, so that an .exe runs on Windows with nothing
# beside it. Test programs run under Wine in a prefix of the build folder.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(IGN_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${IGN_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${IGN_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${IGN_MINGW_TRIPLE}-windres)

# Libraries, headers and packages come from the MinGW tree only, so that no
# header of the host's /usr/include gets in front of MinGW's own; tools are
# the host's.
set(CMAKE_FIND_ROOT_PATH /usr/${IGN_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# libstdc++, libgcc and winpthread go into the .exe instead of three DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../../scripts/wine-run.sh
                                  ${CMAKE_BINARY_DIR}/wine)
