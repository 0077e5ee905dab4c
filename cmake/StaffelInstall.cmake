# Desktop integration: where a freedesktop.org desktop looks for a program's launcher,
# icon and software-centre description, and where man finds the manual pages. The
# executables install themselves from their own directories (bin/).
include(GNUInstallDirs)

set(STAFFEL_APP_ID "org.staffelrechner.Staffelrechner")
set(STAFFEL_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/resources/desktop)

install(FILES ${STAFFEL_DESKTOP_DIR}/${STAFFEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${STAFFEL_DESKTOP_DIR}/${STAFFEL_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${STAFFEL_DESKTOP_DIR}/${STAFFEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian keeps manual pages and changelogs gzip-compressed, without name or time stamp.
function(staffel_install_gz source destination)
  get_filename_component(name ${source} NAME)
  set(copy ${CMAKE_BINARY_DIR}/doc/${name})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
    COMMAND gzip -9nf ${copy}
    DEPENDS ${source}
    VERBATIM)
  add_custom_target(staffel_doc_${name} ALL DEPENDS ${copy}.gz)
  install(FILES ${copy}.gz DESTINATION ${destination})
endfunction()

# The manual pages, in German like the programs.
foreach(page staffelrechner.1 staffelrechner-cli.1)
  staffel_install_gz(${CMAKE_SOURCE_DIR}/resources/man/${page} ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
