# The documents a Linux installation carries beside the programs: the two programs' man pages
# (velb-batch's in Traditional Chinese too), and under share/doc/velbrix the README and
# LICENSE with the copyright file and changelog that Debian's policy asks of every package.
# The compressed and generated files are made when the build is configured, from the sources
# named here.

# Compressed as Debian's tools want it: best compression, no name or time in the header.
function(velb_gzip source target)
    execute_process(COMMAND gzip -9n -c ${source} OUTPUT_FILE ${target} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

set(manPages ${CMAKE_SOURCE_DIR}/batch/velb-batch.1 ${CMAKE_SOURCE_DIR}/ui/Velb.1)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${manPages} ${CMAKE_SOURCE_DIR}/LICENSE)
set(generated ${CMAKE_BINARY_DIR}/documents)
file(MAKE_DIRECTORY ${generated})
foreach(page ${manPages})
    cmake_path(GET page FILENAME name)
    velb_gzip(${page} ${generated}/${name}.gz)
    install(FILES ${generated}/${name}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
# velb-batch's page in Traditional Chinese, which man shows under a zh_TW locale.
set(chinesePage ${CMAKE_SOURCE_DIR}/batch/velb-batch.zh_TW.1)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${chinesePage})
velb_gzip(${chinesePage} ${generated}/velb-batch.zh_TW.1.gz)
install(FILES ${generated}/velb-batch.zh_TW.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/zh_TW/man1
        RENAME velb-batch.1.gz)

# The copyright file in Debian's machine-readable form, its licence text taken from LICENSE.
file(READ ${CMAKE_SOURCE_DIR}/LICENSE licence)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)\n\n(.*)" found "${licence}")
set(holder ${CMAKE_MATCH_1})
string(STRIP "${CMAKE_MATCH_2}" permission)
# Every line of the text indented by one blank, an empty line written " .".
string(REPLACE "\n\n" "\n.\n" permission "${permission}")
string(REPLACE "\n" "\n " permission " ${permission}")
file(WRITE ${generated}/copyright "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: ${PROJECT_NAME}

Files: *
Copyright: ${holder}
License: Expat
${permission}
")

# The package is made here, not by Debian, so its changelog has one entry: this version, with
# the history in git. The date honours SOURCE_DATE_EPOCH.
string(TIMESTAMP changelogDate "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(WRITE ${generated}/changelog "${CPACK_PACKAGE_NAME} (${PROJECT_VERSION}) unstable; urgency=medium

  * Velbrix ${PROJECT_VERSION}; the changes are told in the project's git history.

 -- ${VELB_CONTACT}  ${changelogDate}
")
velb_gzip(${generated}/changelog ${generated}/changelog.gz)

install(FILES README.md LICENSE ${generated}/copyright ${generated}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${CPACK_PACKAGE_NAME})
