# Packs the release archive so that two builds of one commit give the same bytes: the files in a
# fixed order, with a fixed date and fixed permissions, whatever the clock and umask of the build.
# Run by the release target: cmake -DEXE=<orvanta.exe> -DASSETS=<assets> -DSTAGE=<folder>
#                                  -DARCHIVE=<zip> -P release.cmake
cmake_minimum_required(VERSION 3.21)

# The day the archive's entries say they were written: a constant, not the build's time.
set(ORVANTA_RELEASE_DATE "2000-01-01 00:00:00 UTC")

file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE}/orvanta)
foreach(file IN ITEMS ${EXE} ${ASSETS}/orvanta.txt ${ASSETS}/catalog.txt)
    get_filename_component(name ${file} NAME)
    file(COPY_FILE ${file} ${STAGE}/orvanta/${name})
    file(CHMOD ${STAGE}/orvanta/${name} FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endforeach()

file(REMOVE ${ARCHIVE})
# Relative names, listed one by one: the archive holds orvanta/<file> in this order.
execute_process(
    COMMAND ${CMAKE_COMMAND} -E tar cf ${ARCHIVE} --format=zip "--mtime=${ORVANTA_RELEASE_DATE}"
            orvanta/orvanta.exe orvanta/orvanta.txt orvanta/catalog.txt
    WORKING_DIRECTORY ${STAGE}
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "could not pack ${ARCHIVE}")
endif()
file(SHA256 ${ARCHIVE} digest)
get_filename_component(archiveName ${ARCHIVE} NAME)
message("${archiveName} SHA-256 ${digest}")
