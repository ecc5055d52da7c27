# The windows stand side by side: each window library is built on the configuration and the
# platform seam only, never on another window, and only start-up, which opens them, knows them
# all. A window library that links another, directly or through what it links, stops the
# configuration here.
set(calcora_window_libraries calcora_drill calcora_quiz calcora_settings calcora_update calcora_about
    calcora_progress calcora_classroom)

# Every library `target` links, followed through the libraries it names.
function(calcora_linked_libraries target result)
    set(seen "")
    set(pending ${target})
    while(pending)
        list(POP_FRONT pending current)
        if(NOT TARGET ${current})
            continue()
        endif()
        get_target_property(links ${current} LINK_LIBRARIES)
        get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
        foreach(link IN LISTS links interface)
            if(link AND TARGET ${link} AND NOT link IN_LIST seen)
                list(APPEND seen ${link})
                list(APPEND pending ${link})
            endif()
        endforeach()
    endwhile()
    set(${result} ${seen} PARENT_SCOPE)
endfunction()

foreach(window IN LISTS calcora_window_libraries)
    calcora_linked_libraries(${window} linked)
    foreach(other IN LISTS calcora_window_libraries)
        if(other IN_LIST linked)
            message(FATAL_ERROR "The window library ${window} links ${other}: a window is built on the "
                                "configuration and the platform only (cmake/WindowLibraries.cmake)")
        endif()
    endforeach()
endforeach()
