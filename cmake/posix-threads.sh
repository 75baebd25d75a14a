#!/bin/sh
# Compiler and linker launcher of the test programs: runs the posix-thread
# build of the compiler CMake names (i686-w64-mingw32-g++-win32 becomes
# i686-w64-mingw32-g++-posix), whose C++ runtime has std::thread and
# std::mutex. Both builds are the same GCC, configured alike but for the
# thread model, so their objects link together.
compiler=$1
shift
exec "${compiler%-win32}-posix" "$@"
