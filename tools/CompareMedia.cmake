# Runs the media generator into fresh folders and checks that its output is exactly the
# committed media/ and updates/ folders: every file byte for byte, nothing missing, nothing
# left over. Expects GENERATOR, OUTPUT (a scratch folder) and SOURCE_ROOT. A folder's own
# CMake script is not media.
cmake_minimum_required(VERSION 3.25)

set(folders media updates)

file(REMOVE_RECURSE "${OUTPUT}")
execute_process(COMMAND "${GENERATOR}" "${OUTPUT}/media" "${OUTPUT}/updates" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "calcora_make_media failed: ${result}")
endif()

set(faults "")
foreach(folder IN LISTS folders)
    set(made "${OUTPUT}/${folder}")
    set(kept "${SOURCE_ROOT}/${folder}")
    file(GLOB produced RELATIVE "${made}" "${made}/*")
    file(GLOB committed RELATIVE "${kept}" "${kept}/*")
    list(REMOVE_ITEM committed CMakeLists.txt)

    foreach(name IN LISTS produced)
        if(NOT EXISTS "${kept}/${name}")
            list(APPEND faults "${folder}/${name} is produced but not committed")
            continue()
        endif()
        execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${made}/${name}" "${kept}/${name}"
                        RESULT_VARIABLE differs)
        if(NOT differs EQUAL 0)
            list(APPEND faults "${folder}/${name} differs from the committed file")
        endif()
    endforeach()
    foreach(name IN LISTS committed)
        if(NOT name IN_LIST produced)
            list(APPEND faults "${folder}/${name} is committed but no longer produced")
        endif()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n  " report)
    message(FATAL_ERROR "media/ or updates/ does not match the generator; run calcora_make_media media updates:\n  ${report}")
endif()
