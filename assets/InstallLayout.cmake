# One program folder holds Setup, the library and everything they read
# beside them; a launcher on the PATH, a desktop entry and icons point to it.
set(CORVANE_INSTALL_PROGRAM_DIR lib/corvane-setup)

install(TARGETS Setup RUNTIME DESTINATION ${CORVANE_INSTALL_PROGRAM_DIR})
install(TARGETS Corvanelib LIBRARY DESTINATION ${CORVANE_INSTALL_PROGRAM_DIR})

install(DIRECTORY ${CORVANE_PROGRAM_DIR}/Skin ${CORVANE_PROGRAM_DIR}/Language
        DESTINATION ${CORVANE_INSTALL_PROGRAM_DIR})
install(FILES ${CORVANE_PROGRAM_DIR}/setting.ini ${_manuals}
        DESTINATION ${CORVANE_INSTALL_PROGRAM_DIR})

install(PROGRAMS ${CMAKE_CURRENT_SOURCE_DIR}/install/corvane-setup
        DESTINATION bin)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/install/corvane-setup.desktop
        DESTINATION share/applications)
foreach(size IN LISTS CORVANE_ICON_SIZES)
    install(FILES ${CORVANE_ICON_DIR}/${size}x${size}/apps/corvane-setup.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
