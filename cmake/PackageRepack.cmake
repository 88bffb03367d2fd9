# Runs after CPack made the packages (CPACK_POST_BUILD_SCRIPTS) and mends what
# its DEB generator gets wrong, then packs each package again:
# - it adds postinst and postrm scripts that run ldconfig whenever a library
#   lies under /usr/lib, even in a program's private folder, which ldconfig
#   never reads: they are dropped;
# - the -dbgsym package's md5sums name the files by their paths in CPack's
#   scratch folder: they are listed again, relative to the root;
# - the -dbgsym package has no copyright or changelog: like Debian's own
#   debug packages it points its doc folder at the main package's.
function(corvane_repack package)
    set(tree ${package}.tree)
    file(REMOVE_RECURSE ${tree})
    execute_process(COMMAND dpkg-deb --raw-extract ${package} ${tree} COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE ${tree}/DEBIAN/postinst ${tree}/DEBIAN/postrm)
    execute_process(COMMAND dpkg-deb --field ${package} Package
                    OUTPUT_VARIABLE name OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    if(name MATCHES "^(.*)-dbgsym$")
        file(MAKE_DIRECTORY ${tree}/usr/share/doc)
        file(CREATE_LINK ${CMAKE_MATCH_1} ${tree}/usr/share/doc/${name} SYMBOLIC)
        file(GLOB_RECURSE debug_files ${tree}/usr/lib/debug/*.debug)
        if(debug_files)
            file(CHMOD ${debug_files} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
        endif()
    endif()
    execute_process(COMMAND sh -c "find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum > DEBIAN/md5sums"
                    WORKING_DIRECTORY ${tree} COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND dpkg-deb --root-owner-group -Zxz --build ${tree} ${package}
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${tree})
endfunction()

foreach(package IN LISTS CPACK_PACKAGE_FILES)
    corvane_repack(${package})
endforeach()
