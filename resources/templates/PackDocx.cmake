# Packs the XML parts of a document into a .docx (a zip archive), at build time:
#   cmake -DCOMMON=<dir> -DPARTS=<dir> -DSTAGING=<dir> -DOUTPUT=<file.docx> -P PackDocx.cmake
# The parts of COMMON (styles, settings, package relations) come first; PARTS adds or replaces
# parts (at least word/document.xml). Entries carry a fixed time so that builds are repeatable.
foreach(var COMMON PARTS STAGING OUTPUT)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "PackDocx.cmake: ${var} is not set")
    endif()
endforeach()
file(REMOVE_RECURSE "${STAGING}")
file(MAKE_DIRECTORY "${STAGING}")
file(COPY "${COMMON}/" DESTINATION "${STAGING}")
file(COPY "${PARTS}/" DESTINATION "${STAGING}")
if(NOT EXISTS "${STAGING}/word/document.xml")
    message(FATAL_ERROR "PackDocx.cmake: ${PARTS} has no word/document.xml")
endif()
file(GLOB_RECURSE parts LIST_DIRECTORIES false RELATIVE "${STAGING}" "${STAGING}/*")
list(SORT parts)
# The content types part leads the archive, as word processors write it.
list(REMOVE_ITEM parts "[Content_Types].xml")
list(PREPEND parts "[Content_Types].xml")
file(REMOVE "${OUTPUT}")
execute_process(
    COMMAND ${CMAKE_COMMAND} -E tar cf "${OUTPUT}.tmp" --format=zip "--mtime=2024-01-01 00:00:00" -- ${parts}
    WORKING_DIRECTORY "${STAGING}"
    RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "PackDocx.cmake: packing ${OUTPUT} failed")
endif()
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
