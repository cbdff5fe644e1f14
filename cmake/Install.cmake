# An installed program: the executable in bin/, its own files in share/kordelan/ (where
# platform/Paths looks for them from bin/), a menu entry and its icon.
include(GNUInstallDirs)

# The program finds its files by its own folder alone, so the two folders must stand as bin/ and
# share/ do; other folders would install a program that cannot find its drawings.
file(RELATIVE_PATH KORDELAN_FILES_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/kordelan)
if(NOT KORDELAN_FILES_FROM_BIN STREQUAL "../share/kordelan")
    message(FATAL_ERROR "The program looks for its files in ../share/kordelan beside its own "
            "folder; CMAKE_INSTALL_BINDIR and CMAKE_INSTALL_DATADIR put them at "
            "${KORDELAN_FILES_FROM_BIN}.")
endif()

install(TARGETS kordelan RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/ DESTINATION ${CMAKE_INSTALL_DATADIR}/kordelan
        PATTERN ".gitkeep" EXCLUDE)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/kordelan.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/kordelan.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)
