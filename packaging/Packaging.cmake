# Installing: the program and its sound library in lib/brellinshore (BS_PROGRAM_DIR), the
# content folders in share/brellinshore (BS_CONTENT_DIR, where the program finds them from its
# own folder), a command in bin, a desktop entry, an icon, AppStream metadata, a manual page,
# and the copyright file and changelog.
#
# BRELLINSHORE_DEB_LAYOUT (for the .deb): the worksheets are installed as defaults in
# share/brellinshore/default-worksheets and the content's "multiple" is a link to
# /var/lib/brellinshore/multiple, which the package's postinst fills and makes writable; the
# school's own topics, "ourtopics", are a link to /var/lib/brellinshore/ourtopics in the same way,
# and the class's results, "results", to /var/lib/brellinshore/results.
option(BRELLINSHORE_DEB_LAYOUT "Install for the Debian package (worksheets under /var/lib)" OFF)

install(TARGETS brellinshore RUNTIME DESTINATION ${BS_PROGRAM_DIR})
install(TARGETS bs_sound LIBRARY DESTINATION ${BS_PROGRAM_DIR})

# Every read-only content folder, so a new one (such as topics) is installed without a change here.
file(GLOB content_entries RELATIVE ${PROJECT_SOURCE_DIR}/content ${PROJECT_SOURCE_DIR}/content/*)
foreach(folder ${content_entries})
    if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/content/${folder} AND NOT folder STREQUAL "multiple")
        install(DIRECTORY ${PROJECT_SOURCE_DIR}/content/${folder} DESTINATION ${BS_CONTENT_DIR})
    endif()
endforeach()
if(BRELLINSHORE_DEB_LAYOUT)
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/content/multiple/ DESTINATION ${BS_CONTENT_DIR}/default-worksheets)
    install(CODE "
        file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${BS_CONTENT_DIR}\")
        file(CREATE_LINK /var/lib/brellinshore/multiple
             \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${BS_CONTENT_DIR}/multiple\" SYMBOLIC)
        file(CREATE_LINK /var/lib/brellinshore/ourtopics
             \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${BS_CONTENT_DIR}/ourtopics\" SYMBOLIC)
        file(CREATE_LINK /var/lib/brellinshore/results
             \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${BS_CONTENT_DIR}/results\" SYMBOLIC)")
else()
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/content/multiple DESTINATION ${BS_CONTENT_DIR})
    install(CODE "file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${BS_CONTENT_DIR}/ourtopics\")")
    install(CODE "file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${BS_CONTENT_DIR}/results\")")
endif()
install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(CREATE_LINK ../${BS_PROGRAM_DIR}/brellinshore
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/brellinshore\" SYMBOLIC)")

set(BS_APPSTREAM_ID example.quenlow.brellinshore)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/brellinshore.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/brellinshore.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${BS_APPSTREAM_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION share/doc/brellinshore)
if(BRELLINSHORE_DEB_LAYOUT)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/lintian-overrides DESTINATION share/lintian/overrides
            RENAME brellinshore)
endif()

# Debian wants the manual page and the changelog compressed at most strength, without the
# time stamp gzip would otherwise store (a rebuild gives the same bytes).
set(compressed_docs)
foreach(doc brellinshore.1 changelog)
    set(compressed ${CMAKE_CURRENT_BINARY_DIR}/packaging/${doc}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packaging
        COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" sh ${PROJECT_SOURCE_DIR}/packaging/${doc} ${compressed}
        DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${doc}
        VERBATIM)
    list(APPEND compressed_docs ${compressed})
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${compressed_docs})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/brellinshore.1.gz DESTINATION share/man/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz DESTINATION share/doc/brellinshore)

# The changelog's newest entry names the version being packaged.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^brellinshore \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog: the newest entry is not for version ${PROJECT_VERSION}")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brellinshore)
set(CPACK_PACKAGE_VENDOR "Quenlow Publishing Ltd")
set(CPACK_PACKAGE_CONTACT "Quenlow Publishing Ltd <support@quenlow.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Geography for primary schools: places, worksheets and map activities")
# No apostrophes or quotation marks in it: CPack writes them as XML entities.
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/packaging/description.txt)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The shared libraries the program links (Qt, libzip4 for sharing topics, ...) come from
# dpkg-shlibdeps; only what is loaded without linking is listed by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-wine, fontconfig")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, cups")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    "${PROJECT_SOURCE_DIR}/packaging/preinst;${PROJECT_SOURCE_DIR}/packaging/postinst;${PROJECT_SOURCE_DIR}/packaging/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
