# Installing: the program, its sound library and its content folders together in
# lib/brellinshore (the program reads its content from beside itself), a command in bin, a
# desktop entry and an icon.
#
# BRELLINSHORE_DEB_LAYOUT (for the .deb): the worksheets are installed as defaults in
# share/brellinshore/multiple and the program's "multiple" is a link to
# /var/lib/brellinshore/multiple, which the package's postinst fills and makes writable.
option(BRELLINSHORE_DEB_LAYOUT "Install for the Debian package (worksheets under /var/lib)" OFF)

set(BS_PROGRAM_DIR lib/brellinshore)
install(TARGETS brellinshore RUNTIME DESTINATION ${BS_PROGRAM_DIR})
install(TARGETS bs_sound LIBRARY DESTINATION ${BS_PROGRAM_DIR})
foreach(folder Images wmf wmf2 wav logo topics)
    if(EXISTS ${PROJECT_SOURCE_DIR}/content/${folder})
        install(DIRECTORY ${PROJECT_SOURCE_DIR}/content/${folder} DESTINATION ${BS_PROGRAM_DIR})
    endif()
endforeach()
if(BRELLINSHORE_DEB_LAYOUT)
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/content/multiple/ DESTINATION share/brellinshore/multiple)
    install(CODE "
        file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${BS_PROGRAM_DIR}\")
        file(CREATE_LINK /var/lib/brellinshore/multiple
             \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${BS_PROGRAM_DIR}/multiple\" SYMBOLIC)")
else()
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/content/multiple DESTINATION ${BS_PROGRAM_DIR})
endif()
install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(CREATE_LINK ../${BS_PROGRAM_DIR}/brellinshore
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/brellinshore\" SYMBOLIC)")
install(FILES ${PROJECT_SOURCE_DIR}/packaging/brellinshore.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/brellinshore.svg DESTINATION share/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brellinshore)
set(CPACK_PACKAGE_VENDOR "Quenlow Publishing Ltd")
set(CPACK_PACKAGE_CONTACT "Quenlow Publishing Ltd <support@quenlow.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Geography for primary schools: places, worksheets and map activities")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-wine, fontconfig")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, cups")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${PROJECT_SOURCE_DIR}/packaging/postinst;${PROJECT_SOURCE_DIR}/packaging/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
