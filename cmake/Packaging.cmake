# The Debian package of the install tree: `cpack -G DEB` in the build tree makes
# zyfo_VERSION_ARCH.deb. Its dependencies come from the libraries the programs link
# (dpkg-shlibdeps); the desktop, file type, icon and manual page databases are brought up to date
# by the triggers of the packages that own them, so the package has no maintainer scripts.
set(CPACK_PACKAGE_NAME zyfo)
set(CPACK_PACKAGE_VENDOR "The Zyfo developers")
set(CPACK_PACKAGE_CONTACT "The Zyfo developers <devel@zyfo.github.io>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://zyfo.github.io/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "viewer for data-logger measurement files")
# The long description in lines of at most 80 columns, as Debian's tools show it.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Zyfo shows the measurement files (.zyd) that data loggers write: thermometers,"
    "barometers, hygrometers, radiation meters, anemometers, rain gauges and"
    "binary-input modules. It lists every channel of a file, draws the chosen"
    "channels over time on one chart, exports the data as a text or CSV report,"
    "prints the chart and follows a file that a logger is still appending to. Its"
    "user interface is in Polish."
    "."
    "The package also holds zyfo-export, which lists, reports and draws a file"
    "without a window, and zydgen, which writes sample files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
