# Install layout and the Debian package. Installed under a system prefix the
# program folder is read-only, so the template store falls back to the
# user's data folder by itself; nothing here has to arrange for it.
include(GNUInstallDirs)

install(TARGETS neattessel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/neattessel.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME neattessel.svg)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME neattessel)
set(CPACK_PACKAGE_VENDOR "NeatTessel maintainers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Wizard that writes Japanese ReadMe files")
set(CPACK_PACKAGE_DESCRIPTION [[
Asks for a program's name, version, environment, terms and headings over
five pages and writes a ReadMe text file in code page 932 (Shift-JIS) with
CR LF line ends. The answers can be kept as templates in the user's data
folder.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "NeatTessel maintainers <maintainers@neattessel.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# dpkg-shlibdeps finds the libraries the executable links (Qt with its SVG
# module, libc, libstdc++). What Qt loads at run time it cannot see: the
# platform plugins, and the Japanese font the windows and the ReadMe need.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic")

include(CPack)
