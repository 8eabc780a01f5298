# The Debian package: `cpack` in the build folder writes tabulox_VERSION_amd64.deb with the
# program, the server book tool, the menu entry and the icon. Tests and bench stay out.
include(GNUInstallDirs)
# `cpack` and `cmake --install` take what is built: the tests need not be built for them.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS tabulox tabulox-serverbook RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/desktop/tabulox.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
set(TABULOX_ICONS ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/tabulox.svg DESTINATION ${TABULOX_ICONS}/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tabulox)
set(CPACK_PACKAGE_VENDOR Tabulox)
set(CPACK_PACKAGE_CONTACT "Tabulox <tabulox@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "book-keeping desk of a Thai lottery bookmaker")
set(CPACK_PACKAGE_DESCRIPTION "Clerks type bets on one- to five-digit numbers in ten bet kinds;
the program keeps every total, warns about closed numbers and stakes over the
limits, cuts totals into kept and sent amounts, checks the draw and settles
every customer. Each user's book lies in ~/.local/share/tabulox/; a shop's
shared book may live on a PostgreSQL server.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The libraries linked (libpq for a shop's server among them) come from dpkg-shlibdeps; the
# plugins Qt loads at run time (the X11 window system, the SQLite driver) and the Thai fonts
# are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libqt6sql6-sqlite, fonts-thai-tlwg")
# xdg-utils opens workbooks and folders with the desktop's programs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "postgresql")
include(CPack)
