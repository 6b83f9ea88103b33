# SPDX-FileCopyrightText: 2026 Zelta contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by cpack after it has installed the files to be packaged and before it packs them:
# what a Debian package holds beyond `cmake --install` (the copyright file and the changelog),
# the program stripped as Debian strips it, and the manual page and the changelog compressed
# with gzip -9n (no name, no time stamp, so the package is reproducible).
set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
if(NOT EXISTS ${usr}/bin/zelta)
    message(FATAL_ERROR "no program under ${usr}: the staging folder is not where expected")
endif()
set(doc ${usr}/share/doc/${CPACK_PACKAGE_NAME})
file(MAKE_DIRECTORY ${doc})
file(CHMOD ${usr}/share/doc ${doc} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
     GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
foreach(name copyright changelog)
    file(COPY_FILE ${CPACK_ZELTA_PACKAGING_DIR}/${name} ${doc}/${name})
    file(CHMOD ${doc}/${name} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endforeach()
# Stripped already; the compiler's notes go too, as Debian's own packages do.
execute_process(COMMAND ${CPACK_ZELTA_STRIP} --remove-section=.comment --remove-section=.note
                        ${usr}/bin/zelta RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "strip failed: ${failed}")
endif()
file(GLOB manual_pages ${usr}/share/man/man*/*)
foreach(file IN LISTS manual_pages ITEMS ${doc}/changelog)
    execute_process(COMMAND gzip -9nf ${file} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "gzip ${file} failed: ${failed}")
    endif()
endforeach()
