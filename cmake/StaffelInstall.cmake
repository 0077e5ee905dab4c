# Desktop integration: where a freedesktop.org desktop looks for a program's launcher,
# icon and software-centre description, and where man finds the manual pages. The
# executables install themselves from their own directories (bin/). Every file belongs to
# the component of the Debian package that ships it: app (the window), cli or python.
include(GNUInstallDirs)

set(STAFFEL_APP_ID "org.staffelrechner.Staffelrechner")
set(STAFFEL_DESKTOP_DIR ${CMAKE_SOURCE_DIR}/resources/desktop)

install(FILES ${STAFFEL_DESKTOP_DIR}/${STAFFEL_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT app)
install(FILES ${STAFFEL_DESKTOP_DIR}/${STAFFEL_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT app)
install(FILES ${STAFFEL_DESKTOP_DIR}/${STAFFEL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT app)

# Debian keeps manual pages and changelogs gzip-compressed, without name or time stamp. One
# compressed copy serves every package that ships the file.
function(staffel_install_gz source destination component)
  get_filename_component(name ${source} NAME)
  set(copy ${CMAKE_BINARY_DIR}/doc/${name})
  if(NOT TARGET staffel_doc_${name})
    add_custom_command(OUTPUT ${copy}.gz
      COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
      COMMAND gzip -9nf ${copy}
      DEPENDS ${source}
      VERBATIM)
    add_custom_target(staffel_doc_${name} ALL DEPENDS ${copy}.gz)
  endif()
  install(FILES ${copy}.gz DESTINATION ${destination} COMPONENT ${component})
endfunction()

# The manual pages, in German like the programs.
staffel_install_gz(${CMAKE_SOURCE_DIR}/resources/man/staffelrechner.1 ${CMAKE_INSTALL_MANDIR}/man1 app)
staffel_install_gz(${CMAKE_SOURCE_DIR}/resources/man/staffelrechner-cli.1 ${CMAKE_INSTALL_MANDIR}/man1 cli)
