# Runs the media generator into a fresh folder and checks that its output is exactly the
# committed media folder: every file byte for byte, nothing missing, nothing left over.
# Expects GENERATOR, OUTPUT and COMMITTED. The folder's own CMake script is not media.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${OUTPUT}")
execute_process(COMMAND "${GENERATOR}" "${OUTPUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "calcora_make_media failed: ${result}")
endif()

file(GLOB produced RELATIVE "${OUTPUT}" "${OUTPUT}/*")
file(GLOB committed RELATIVE "${COMMITTED}" "${COMMITTED}/*")
list(REMOVE_ITEM committed CMakeLists.txt)

set(faults "")
foreach(name IN LISTS produced)
    if(NOT EXISTS "${COMMITTED}/${name}")
        list(APPEND faults "${name} is produced but not committed")
        continue()
    endif()
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT}/${name}" "${COMMITTED}/${name}"
                    RESULT_VARIABLE differs)
    if(NOT differs EQUAL 0)
        list(APPEND faults "${name} differs from the committed file")
    endif()
endforeach()
foreach(name IN LISTS committed)
    if(NOT name IN_LIST produced)
        list(APPEND faults "${name} is committed but no longer produced")
    endif()
endforeach()

if(faults)
    list(JOIN faults "\n  " report)
    message(FATAL_ERROR "media/ does not match the generator; run calcora_make_media on it:\n  ${report}")
endif()
