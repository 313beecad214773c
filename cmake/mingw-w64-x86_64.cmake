# Cross-builds the Windows edition on Debian with MinGW-w64:
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# The posix-threads compiler, because the batch runs on std::thread, which the
# win32-threads one lacks. Everything is linked statically, so the programs
# need no DLL beyond those every Windows has. Tests run the .exe under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# What ships carries no symbols: a third of the size.
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT "-s")

# Wine's 64-bit loader itself: the /usr/bin/wine wrapper looks for a 32-bit
# Wine first and nags when there is none.
find_program(SEGCALC_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(SEGCALC_WINE NAMES wine64 wine)
if(SEGCALC_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${SEGCALC_WINE})
endif()
