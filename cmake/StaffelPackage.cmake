# `cpack -G DEB` in a build directory makes the Debian package of what `cmake --install`
# puts in place, under /usr.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "staffelrechner")
set(CPACK_PACKAGE_VENDOR "Staffelrechner")
set(CPACK_PACKAGE_CONTACT "Staffelrechner <staffelrechner@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Taschenrechner für die Staffellehre")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Rechnet die Rechenarten m[R, A][b, e] der Staffellehre: Addition,\n"
    "Multiplikation, Potenzierung, Hyperpotenzierung, ihre Gegenrechenarten und\n"
    "jede rationale Rechenzahl dazwischen. Mit Fenster (staffelrechner),\n"
    "Kommandozeile (staffelrechner-cli) und Python-Modul (staffelrechner).")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "math")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# Library dependencies come from dpkg-shlibdeps; the two below are loaded at run time and
# so invisible to it: Qt's platform plugins (without them no window opens) and the fonts
# that stand in for the metric-compatible faces of the window layout. The Python module is
# built for the system's Python 3.11 and hands arrays to NumPy.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-liberation, python3 (>= 3.11), python3 (<< 3.12), python3-numpy")

# The Debian documentation of the package; the changelog is signed by the maintainer above.
set(STAFFEL_DEBIAN_DIR ${CMAKE_SOURCE_DIR}/resources/debian)
configure_file(${STAFFEL_DEBIAN_DIR}/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog @ONLY)
staffel_install_gz(${CMAKE_BINARY_DIR}/debian/changelog ${CMAKE_INSTALL_DATADIR}/doc/staffelrechner)
install(FILES ${STAFFEL_DEBIAN_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/staffelrechner)

include(CPack)
