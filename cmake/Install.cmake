# An installed program: the executable in bin/, its own files in share/kordelan/ (where
# platform/Paths looks for them from bin/), a menu entry and its icon.
install(TARGETS kordelan RUNTIME DESTINATION bin)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/ DESTINATION share/kordelan
        PATTERN ".gitkeep" EXCLUDE)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/kordelan.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/kordelan.png DESTINATION share/icons/hicolor/64x64/apps)
