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
