# Packaging of the program folder as a Debian package: `cpack -G DEB` in the
# build folder packs exactly what `cmake --install` installs, with the
# binaries stripped and their debug symbols in a separate -dbgsym package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvane-setup)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Corvane developers")
set(CORVANE_PACKAGE_MAINTAINER "Corvane developers <setup@corvane.example>")
set(CPACK_PACKAGE_CONTACT ${CORVANE_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Guided set-up of a home wireless router")
# Lines of at most 80 characters: the package tools show them as written,
# under the summary.
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop wizard that configures a home wireless router in one guided pass
through the router's own web interface: connection type, account, wireless
name and security, then the router's WAN status beside the settings written.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})

set(CPACK_DEBIAN_PACKAGE_NAME corvane-setup)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CORVANE_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
# The libraries come from the installed files; the interface font is named in
# setting.ini and loaded by name, and the manual and the web link open through
# xdg-open, so no library dependency would bring either. Qt loads its platform
# plugins at run time too: the X11 one comes with libqt6gui6, the Wayland one
# (for a Wayland session without XWayland) only with qt6-wayland.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, xdg-utils, qt6-wayland")
# Corvanelib sits beside Setup, which finds it through its RUNPATH.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CORVANE_PROGRAM_DIR})

set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PackageRepack.cmake)

include(CPack)
