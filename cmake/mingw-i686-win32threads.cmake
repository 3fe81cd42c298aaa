# Cross build of the shipped orvanta.exe alone with Debian's MinGW-w64 win32-thread compilers. The
# program runs on one thread and needs no POSIX threads; these compilers' runtime does without the
# POSIX thread library, which the other variant links into every exe (~27 KB). The tests keep
# mingw-i686.cmake: GoogleTest needs std::mutex, which only the POSIX-thread variant has.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
