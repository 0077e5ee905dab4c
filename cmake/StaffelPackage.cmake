# `cpack -G DEB` in a build directory makes the Debian packages of what `cmake --install`
# puts in place, under /usr: one per install component, so that a notebook server or a
# Dask worker can compute without Qt and its fonts.
#   app     staffelrechner          the window
#   cli     staffelrechner-cli      the command line
#   python  python3-staffelrechner  the Python module
# The window uses neither of the others, so it only suggests them.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "staffelrechner")
set(CPACK_PACKAGE_VENDOR "Staffelrechner")
set(CPACK_PACKAGE_CONTACT "Staffelrechner <staffelrechner@localhost>")
# No CPACK_PACKAGE_DESCRIPTION_SUMMARY: CPack would put it before every package's own summary,
# the first line of its description.
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING IGNORE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE "staffelrechner")
set(CPACK_DEBIAN_PACKAGE_SECTION "math")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# Library dependencies come from dpkg-shlibdeps, per package; what is loaded at run time is
# invisible to it and named below.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(staffel_rechenarten
    "Rechnet die Rechenarten m[R, A][b, e] der Staffellehre: Addition,\n"
    "Multiplikation, Potenzierung, Hyperpotenzierung, ihre Gegenrechenarten und\n"
    "jede rationale Rechenzahl dazwischen.\n")

set(staffel_pakete)
if(STAFFEL_BUILD_APP)
  list(APPEND staffel_pakete app)
  set(CPACK_DEBIAN_APP_PACKAGE_NAME "staffelrechner")
  string(CONCAT CPACK_DEBIAN_APP_DESCRIPTION
      "Taschenrechner für die Staffellehre, mit Fenster\n" ${staffel_rechenarten}
      "Das Fenster zeigt die Schreibweise selbst und zeichnet Rechenarten als\n"
      "Funktion von x.")
  # Qt's platform plugins (without them no window opens) and the fonts that stand in for
  # the metric-compatible faces of the window layout.
  set(CPACK_DEBIAN_APP_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
  set(CPACK_DEBIAN_APP_PACKAGE_SUGGESTS "staffelrechner-cli, python3-staffelrechner")
endif()

list(APPEND staffel_pakete cli)
set(CPACK_DEBIAN_CLI_PACKAGE_NAME "staffelrechner-cli")
string(CONCAT CPACK_DEBIAN_CLI_DESCRIPTION
    "Taschenrechner für die Staffellehre, Kommandozeile\n" ${staffel_rechenarten}
    "Rechnet einzelne Aufgaben und ganze Stapel, auch als JSON, ohne Fenster.")

if(TARGET staffel_python)
  list(APPEND staffel_pakete python)
  set(CPACK_DEBIAN_PYTHON_PACKAGE_NAME "python3-staffelrechner")
  set(CPACK_DEBIAN_PYTHON_PACKAGE_SECTION "python")
  string(CONCAT CPACK_DEBIAN_PYTHON_DESCRIPTION
      "Taschenrechner für die Staffellehre, Python-Modul\n" ${staffel_rechenarten}
      "Das Modul staffelrechner rechnet einzeln und über NumPy-Arrays.")
  # Built for the system's Python 3.11; hands arrays to NumPy.
  set(CPACK_DEBIAN_PYTHON_PACKAGE_DEPENDS "python3 (>= 3.11), python3 (<< 3.12), python3-numpy")
endif()
set(CPACK_COMPONENTS_ALL ${staffel_pakete})

# The Debian documentation of every package; the changelog is signed by the maintainer above.
set(STAFFEL_DEBIAN_DIR ${CMAKE_SOURCE_DIR}/resources/debian)
configure_file(${STAFFEL_DEBIAN_DIR}/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog @ONLY)
foreach(komponente ${staffel_pakete})
  string(TOUPPER ${komponente} gross)
  set(doc ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_DEBIAN_${gross}_PACKAGE_NAME})
  staffel_install_gz(${CMAKE_BINARY_DIR}/debian/changelog ${doc} ${komponente})
  install(FILES ${STAFFEL_DEBIAN_DIR}/copyright DESTINATION ${doc} COMPONENT ${komponente})
endforeach()

include(CPack)
