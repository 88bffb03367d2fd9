# Runs after CPack made the packages (CPACK_POST_BUILD_SCRIPTS). CPack's DEB
# generator adds postinst and postrm scripts that run ldconfig whenever a
# library lies under /usr/lib, even in a program's private folder, which
# ldconfig never reads. Each .deb is unpacked, the two scripts dropped, and
# packed again as it was.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    if(NOT deb MATCHES "\\.deb$")
        continue()
    endif()
    set(tree ${deb}.tree)
    file(REMOVE_RECURSE ${tree})
    execute_process(COMMAND dpkg-deb --raw-extract ${deb} ${tree} COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE ${tree}/DEBIAN/postinst ${tree}/DEBIAN/postrm)
    execute_process(COMMAND dpkg-deb --root-owner-group -Zxz --build ${tree} ${deb}
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${tree})
endforeach()
