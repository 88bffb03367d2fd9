# Packaging of the program folder as a Debian package: `cpack -G DEB` in the
# build folder packs exactly what `cmake --install` installs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvane-setup)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Corvane developers")
set(CPACK_PACKAGE_CONTACT "Corvane developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Guided set-up of a home wireless router")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop wizard that configures a home wireless router in one guided pass through the router's own web interface: connection type, account, wireless name and security, then the router's WAN status beside the settings written.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})

set(CPACK_DEBIAN_PACKAGE_NAME corvane-setup)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Corvane developers")
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the installed files; the interface font is named in
# setting.ini and loaded by name, so no library dependency would bring it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk")
# Corvanelib sits beside Setup, which finds it through its RUNPATH.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CORVANE_PROGRAM_DIR})

include(CPack)
