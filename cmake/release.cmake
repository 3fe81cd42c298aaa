# Packs the release archive so that two builds of one commit give the same bytes: the files in a
# fixed order, with a fixed date and fixed permissions (cmake/pack-zip.py), whatever the clock, owner and umask of the
# build.
# Run by the release target: cmake -DEXE=<orvanta.exe> -DASSETS=<assets> -DSTAGE=<folder>
#                                  -DARCHIVE=<zip> -P release.cmake
cmake_minimum_required(VERSION 3.21)

find_program(PYTHON3 NAMES python3 python REQUIRED)

file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE}/orvanta)
foreach(file IN ITEMS ${EXE} ${ASSETS}/orvanta.txt ${ASSETS}/catalog.txt)
    get_filename_component(name ${file} NAME)
    file(COPY_FILE ${file} ${STAGE}/orvanta/${name})
endforeach()

file(REMOVE ${ARCHIVE})
# A general archiver writes the build's owner and access times into every entry: pack-zip.py
# writes the names in this order and nothing that varies.
execute_process(
    COMMAND ${PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/pack-zip.py ${ARCHIVE} ${STAGE}
            orvanta/orvanta.exe orvanta/orvanta.txt orvanta/catalog.txt
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "could not pack ${ARCHIVE}")
endif()
file(SHA256 ${ARCHIVE} digest)
get_filename_component(archiveName ${ARCHIVE} NAME)
message("${archiveName} SHA-256 ${digest}")
