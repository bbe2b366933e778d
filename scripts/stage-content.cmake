# Puts the content folders beside the built program: the read-only ones as links to the
# sources, the worksheet folder as a copy made once, so a teacher's worksheets in a build folder
# survive rebuilds and the repository's stay clean, and empty folders for the school's own
# topics ("ourtopics") and the class's results ("results"), made once too. The program matches folder names without
# regard to case, so anything else already standing under a content folder's name (a build
# folder, a stale copy, "images" beside "Images") would be read instead of the content: that
# fails the build rather than a pupil's click.
# Usage: cmake -DSOURCE=<content> -DDEST=<program folder> -P stage-content.cmake
file(GLOB entries RELATIVE "${SOURCE}" "${SOURCE}/*")
file(GLOB existing RELATIVE "${DEST}" "${DEST}/*")
foreach(folder ${entries})
    if(NOT IS_DIRECTORY "${SOURCE}/${folder}")
        continue()
    endif()
    string(TOLOWER "${folder}" wanted)
    foreach(entry ${existing})
        string(TOLOWER "${entry}" lower)
        if(lower STREQUAL wanted AND NOT entry STREQUAL folder)
            message(FATAL_ERROR "Cannot stage the content folder ${folder}: ${DEST}/${entry} stands in its place")
        endif()
    endforeach()

    set(target "${DEST}/${folder}")
    if(folder STREQUAL "multiple")
        if(NOT EXISTS "${target}")
            file(COPY "${SOURCE}/multiple" DESTINATION "${DEST}")
        elseif(IS_SYMLINK "${target}" OR NOT IS_DIRECTORY "${target}")
            message(FATAL_ERROR "Cannot stage the worksheet folder: ${target} is something else")
        endif()
    elseif(IS_SYMLINK "${target}" OR NOT EXISTS "${target}")
        # A link left by a checkout that has since moved is simply laid again.
        file(REMOVE "${target}")
        file(CREATE_LINK "${SOURCE}/${folder}" "${target}" SYMBOLIC)
    else()
        message(FATAL_ERROR "Cannot stage the content folder ${folder}: ${target} is something else")
    endif()
endforeach()

foreach(made ourtopics results)
    set(own "${DEST}/${made}")
    foreach(entry ${existing})
        string(TOLOWER "${entry}" lower)
        if(lower STREQUAL made AND NOT entry STREQUAL made)
            message(FATAL_ERROR "Cannot stage the folder ${made}: ${DEST}/${entry} stands in its place")
        endif()
    endforeach()
    if(NOT EXISTS "${own}")
        file(MAKE_DIRECTORY "${own}")
    elseif(IS_SYMLINK "${own}" OR NOT IS_DIRECTORY "${own}")
        message(FATAL_ERROR "Cannot stage the folder ${made}: ${own} is something else")
    endif()
endforeach()
