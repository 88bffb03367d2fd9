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

# The package's papers: the manual page on the launcher's name, the changelog
# and the copyright, compressed the way Debian's tools expect (-n: no name or
# time stamp, so a rebuild gives the same bytes).
set(_papers_dir ${CMAKE_CURRENT_BINARY_DIR}/papers)
set(_man_page ${_papers_dir}/corvane-setup.1.gz)
set(_changelog ${_papers_dir}/changelog.gz)
foreach(pair "Setup.1;${_man_page}" "changelog;${_changelog}")
    list(GET pair 0 _source)
    list(GET pair 1 _packed)
    add_custom_command(
        OUTPUT ${_packed}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${_papers_dir}
        COMMAND sh -c "gzip -9 -n -c \"$1\" > \"$2\"" gzip ${CMAKE_CURRENT_SOURCE_DIR}/install/${_source} ${_packed}
        DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/install/${_source}
        VERBATIM)
endforeach()
add_custom_target(corvane_papers ALL DEPENDS ${_man_page} ${_changelog})
# Whatever builds the program folder can then be installed and packed.
add_dependencies(corvane_assets corvane_papers)
install(FILES ${_man_page} DESTINATION share/man/man1)
install(FILES ${_changelog} ${CMAKE_CURRENT_SOURCE_DIR}/install/copyright
        DESTINATION share/doc/corvane-setup)
