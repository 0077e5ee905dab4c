# Desktop integration: where a freedesktop.org desktop looks for a program's launcher,
# icon and software-centre description. The executables install themselves from their
# own directories (bin/).
include(GNUInstallDirs)

set(STAFFEL_APP_ID "org.staffelrechner.Staffelrechner")
set(STAFFEL_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/resources/desktop)

install(FILES ${STAFFEL_DESKTOP_DIR}/${STAFFEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${STAFFEL_DESKTOP_DIR}/${STAFFEL_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${STAFFEL_DESKTOP_DIR}/${STAFFEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages (German) and the Debian documentation: copyright and changelog. Debian
# keeps both the pages and the changelog gzip-compressed, without name or time stamp.
set(STAFFEL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/staffelrechner)
set(staffel_compressed)
foreach(file man/staffelrechner.1 man/staffelrechner-cli.1 debian/changelog)
  get_filename_component(name ${file} NAME)
  set(copy ${CMAKE_BINARY_DIR}/doc/${name})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/resources/${file} ${copy}
    COMMAND gzip -9nf ${copy}
    DEPENDS ${CMAKE_SOURCE_DIR}/resources/${file}
    VERBATIM)
  list(APPEND staffel_compressed ${copy}.gz)
endforeach()
add_custom_target(staffel_doc ALL DEPENDS ${staffel_compressed})

install(FILES ${CMAKE_BINARY_DIR}/doc/staffelrechner.1.gz ${CMAKE_BINARY_DIR}/doc/staffelrechner-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/doc/changelog.gz ${CMAKE_SOURCE_DIR}/resources/debian/copyright
        DESTINATION ${STAFFEL_DOC_DIR})
