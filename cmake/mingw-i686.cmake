# Cross-compiles for 32-bit Windows with mingw-w64's win32-thread compilers:
# their C++ runtime calls nothing newer than Windows XP (the posix-thread
# ones bring a threads library that needs Vista), and the programs run on
# one thread. The test programs, which start threads of their own, are
# built by the posix-thread compiler of the same GCC instead
# (corvaset_with_posix_threads in windows.cmake).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Windows test programs run under Wine; the scripts set up its prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
