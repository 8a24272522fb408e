# Run by cmake --install (and by hand after removing an install, with
# -DCMAKE_INSTALL_PREFIX=...): tells the desktop about the file type, the menu
# entry and the icon under the prefix. A staged install (DESTDIR) leaves this
# to whatever installs the staged files.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
    return()
endif()
if(NOT GRIDLY_DATADIR)
    set(GRIDLY_DATADIR share)
endif()
set(share "${CMAKE_INSTALL_PREFIX}/${GRIDLY_DATADIR}")
find_program(update_mime update-mime-database)
find_program(update_desktop update-desktop-database)
find_program(update_icons gtk-update-icon-cache)
if(update_mime AND EXISTS "${share}/mime")
    execute_process(COMMAND ${update_mime} "${share}/mime")
endif()
if(update_desktop AND EXISTS "${share}/applications")
    execute_process(COMMAND ${update_desktop} -q "${share}/applications")
endif()
if(update_icons AND EXISTS "${share}/icons/hicolor")
    execute_process(COMMAND ${update_icons} -q -t -f "${share}/icons/hicolor")
endif()
