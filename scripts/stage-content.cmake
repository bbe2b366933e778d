# Puts the content folders beside the built program. Worksheets are copied only when the
# destination has none yet, so a teacher's worksheets in a build folder survive rebuilds.
foreach(folder Images wmf wmf2 wav logo topics)
    if(EXISTS "${SOURCE}/${folder}" AND NOT EXISTS "${DEST}/${folder}")
        file(CREATE_LINK "${SOURCE}/${folder}" "${DEST}/${folder}" SYMBOLIC)
    endif()
endforeach()
if(EXISTS "${SOURCE}/multiple" AND NOT EXISTS "${DEST}/multiple")
    file(COPY "${SOURCE}/multiple" DESTINATION "${DEST}")
endif()
