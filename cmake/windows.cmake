# The Windows program, its Win32 layer and the tests that run under Wine (or on Windows).
enable_language(RC)

# The exe and the test programs side by side, so that the end-to-end tests find orvanta.exe beside them.
# A build of the exe alone (ORVANTA_EXE_ONLY, below) puts it where the build that started it says.
set(ORVANTA_EXE_OUTPUT_DIR "" CACHE PATH "Where a build of the exe alone puts orvanta.exe")
if(ORVANTA_EXE_ONLY AND ORVANTA_EXE_OUTPUT_DIR)
    set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${ORVANTA_EXE_OUTPUT_DIR})
else()
    set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endif()

set(ORVANTA_WIN_DEFINITIONS UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
target_compile_definitions(orvanta_core PUBLIC ${ORVANTA_WIN_DEFINITIONS})

# Static runtime: the exe needs no DLL beyond Windows' own. No time stamp in the PE header, so
# that two builds of one commit give the same bytes.
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp)
if(CMAKE_BUILD_TYPE STREQUAL "Release")
    # A small utility: size matters more than the last per cent of speed.
    set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")
    # One thread runs the whole program, so function-local statics need no lock; the guard would
    # bring the whole POSIX thread library into the exe. Nothing asks a type at run time
    # (no dynamic_cast or typeid), so no class carries type information beyond what exceptions
    # need, which the compiler still emits (~9 KB). The portable logic was declared before this
    # file, so it is given the options by name.
    set(ORVANTA_SIZE_OPTIONS -ffunction-sections -fdata-sections
        $<$<COMPILE_LANGUAGE:CXX>:-fno-threadsafe-statics> $<$<COMPILE_LANGUAGE:CXX>:-fno-rtti>)
    add_compile_options(${ORVANTA_SIZE_OPTIONS})
    target_compile_options(orvanta_core PRIVATE ${ORVANTA_SIZE_OPTIONS})
    add_link_options(-Wl,--gc-sections -s)
endif()

file(GLOB ORVANTA_TOOLKIT_SOURCES CONFIGURE_DEPENDS src/toolkit/*.cpp)
file(GLOB_RECURSE ORVANTA_GLUE_SOURCES CONFIGURE_DEPENDS src/*_win.cpp)
# The exe's own objects, kept out of orvanta_app: WinMain, and the string members that must be linked
# before the runtime library is read (see src/app/cow_string_members_win.cpp).
set(ORVANTA_EXE_SOURCES src/app/winmain_win.cpp src/app/cow_string_members_win.cpp src/app/sso_string_members_win.cpp)
foreach(source IN LISTS ORVANTA_EXE_SOURCES)
    list(REMOVE_ITEM ORVANTA_GLUE_SOURCES ${CMAKE_SOURCE_DIR}/${source})
endforeach()

add_library(orvanta_app STATIC ${ORVANTA_TOOLKIT_SOURCES} ${ORVANTA_GLUE_SOURCES})
# Only what the first window needs: GDI+, COM and the shell are loaded on first use
# (toolkit/system_library), so that a start maps none of them.
target_link_libraries(orvanta_app PUBLIC orvanta_core comctl32 advapi32 gdi32 user32 kernel32)

# The shipped exe may come from compilers other than the tests' (the win32 preset builds it with the
# win32-thread compilers, cmake/mingw-i686-win32threads.cmake): then a build of the exe alone, in
# exe/ of this build folder, makes it, and the target orvanta here stands for that build.
set(ORVANTA_EXE_TOOLCHAIN "" CACHE FILEPATH "Toolchain file for orvanta.exe alone; empty: this build's compilers")
set(ORVANTA_EXE ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/orvanta.exe)
if(ORVANTA_EXE_TOOLCHAIN AND NOT ORVANTA_EXE_ONLY)
    include(ExternalProject)
    ExternalProject_Add(orvanta
        SOURCE_DIR ${CMAKE_SOURCE_DIR}
        BINARY_DIR ${CMAKE_BINARY_DIR}/exe
        PREFIX ${CMAKE_BINARY_DIR}/exe/external
        CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${ORVANTA_EXE_TOOLCHAIN} -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
                   -DORVANTA_EXE_ONLY=ON -DORVANTA_EXE_OUTPUT_DIR=${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
        INSTALL_COMMAND ""
        # Its own make decides what changed, as for any target here.
        BUILD_ALWAYS ON
        BUILD_BYPRODUCTS ${ORVANTA_EXE})
else()
    add_executable(orvanta WIN32 ${ORVANTA_EXE_SOURCES} src/app/orvanta.rc src/app/pictures.rc)
    target_link_libraries(orvanta PRIVATE orvanta_app)
    target_link_options(orvanta PRIVATE -municode)
endif()
if(ORVANTA_EXE_ONLY)
    return()
endif()

# The readme and the catalog stand beside the exe the build makes, as they do in the release
# archive, so that the Help menu finds them when the clock is started from the build.
foreach(document orvanta.txt catalog.txt)
    configure_file(${CMAKE_SOURCE_DIR}/assets/${document} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${document} COPYONLY)
    add_test(NAME DocumentBesideTheExe_${document}
        COMMAND ${CMAKE_COMMAND} -E compare_files ${CMAKE_SOURCE_DIR}/assets/${document}
                ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${document})
endforeach()
add_test(NAME ImportsOnlyWhatTheFirstWindowNeeds
    COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DEXE=${ORVANTA_EXE}
            -P ${CMAKE_SOURCE_DIR}/cmake/check-imports.cmake)
add_test(NAME ExeStaysWithinItsSizeBudget
    COMMAND ${CMAKE_COMMAND} -DEXE=${ORVANTA_EXE} -P ${CMAKE_SOURCE_DIR}/cmake/check-size.cmake)

orvanta_use_googletest()
add_subdirectory(tests/common)
add_subdirectory(tests/win32)
add_subdirectory(tests/e2e)

# The release archive: the exe with the readme and the catalog beside it, as the program expects.
# Two builds of one commit give the same bytes (cmake/release.cmake); it prints the SHA-256.
add_custom_target(release
    COMMAND ${CMAKE_COMMAND} -DEXE=${ORVANTA_EXE} -DASSETS=${CMAKE_SOURCE_DIR}/assets
            -DSTAGE=${CMAKE_BINARY_DIR}/release -DARCHIVE=${CMAKE_BINARY_DIR}/orvanta-2.7f.zip
            -P ${CMAKE_SOURCE_DIR}/cmake/release.cmake
    DEPENDS orvanta
    COMMENT "Packing orvanta-2.7f.zip")

add_subdirectory(bench/startup)

# The pictures the windows show, in the in-process tests as in the program.
target_sources(orvanta_win32_tests PRIVATE src/app/pictures.rc tests/win32/test_resources.rc)
