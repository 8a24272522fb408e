# cmake --install: the two programs, the help file where an installed gridly
# finds it (HelpFilePlaces), and what a desktop needs: the menu entry, the
# .gly file type (by name and by its magic) and the icon.
install(TARGETS gridly gridly-tool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/gridly.hlp DESTINATION ${CMAKE_INSTALL_DATADIR}/gridly)
install(FILES resources/desktop/gridly.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/desktop/gridly.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES resources/icons/app.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME gridly.svg)
install(CODE "set(GRIDLY_DATADIR \"${CMAKE_INSTALL_DATADIR}\")")
install(SCRIPT cmake/refresh_desktop.cmake)
