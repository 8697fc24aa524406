# SPDX-License-Identifier: MIT
# Install layout, used by the Debian package (debian/). An installed
# program keeps its templates in the user's data folder: the package builds
# with -DTESSEL_PACKAGED=ON, which makes it so even when the program runs as
# root and could write beside itself.
include(GNUInstallDirs)

# The manual pages and the software catalogue's entry name the version by
# hand, beside a date; they must name the version of project().
string(REPLACE "." "\\." version_pattern "${PROJECT_VERSION}")
foreach(file neattessel.1 neattessel.ja.1 ${TESSEL_APP_ID}.metainfo.xml)
    file(READ resources/${file} text)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS resources/${file})
    if(NOT text MATCHES "\"NeatTessel ${version_pattern}\"|<release version=\"${version_pattern}\"")
        message(FATAL_ERROR "resources/${file} does not name version ${PROJECT_VERSION}, the version of project()")
    endif()
endforeach()

install(TARGETS neattessel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/${TESSEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/${TESSEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES resources/icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME neattessel.svg)
install(FILES resources/neattessel.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES resources/neattessel.ja.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man1
        RENAME neattessel.1)
