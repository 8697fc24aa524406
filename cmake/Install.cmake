# SPDX-License-Identifier: MIT
# Install layout, used by the Debian package (debian/). Installed under a
# system prefix the program folder is read-only, so the template store falls
# back to the user's data folder by itself; nothing here has to arrange for it.
include(GNUInstallDirs)

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
