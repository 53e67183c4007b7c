# The packages of a release: from a Linux build a Debian package with the programs, their
# desktop entry, icon, metainfo and man page and the documents Debian asks for; from the
# Windows cross build a zip to unpack anywhere. `cpack --preset release` or
# `cpack --preset windows` makes them after the build.

include(GNUInstallDirs)

set(CPACK_PACKAGE_NAME velbrix)
set(CPACK_PACKAGE_VENDOR "The Velbrix developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "carries translations of unchanged dialogs to a new resource script")
# Debian's control file keeps these line ends; its lines stay under 80 columns.
set(CPACK_PACKAGE_DESCRIPTION "Velbrix helps translators of Windows programs: given the previous
release's English resource script, its Traditional Chinese translation and the
new English script, it carries the translation of every unchanged dialog over
to the new script and lists the dialogs that still need translating. Velb is
the window, velb-batch the same job on the command line.")
# The project has no web home yet: velbrix.example stands for it, here and in the metainfo.
set(VELB_CONTACT "${CPACK_PACKAGE_VENDOR} <developers@velbrix.example>")
# Nobody debugs from a package, and Debian's tools expect its programs stripped.
set(CPACK_STRIP_FILES ON)

# A text file of the project with CR LF line ends, as a Windows editor expects them.
function(velb_crlf_text source target)
    file(READ ${CMAKE_SOURCE_DIR}/${source} text)
    string(REPLACE "\n" "\r\n" text "${text}")
    file(WRITE ${CMAKE_BINARY_DIR}/${target} "${text}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${source})
endfunction()

if(WIN32)
    # The Win32 window goes into the zip as soon as the build has it.
    if(TARGET Velb)
        install(TARGETS Velb RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
    velb_crlf_text(README.md README.txt)
    velb_crlf_text(LICENSE LICENSE.txt)
    install(FILES ${CMAKE_BINARY_DIR}/README.txt ${CMAKE_BINARY_DIR}/LICENSE.txt DESTINATION .)
    # A zip to unpack anywhere, and a setup program (cmake/NSIS.template.in).
    set(CPACK_GENERATOR ZIP NSIS64)
    set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-win64)
    set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/cmake/PackageNames.cmake)
    set(CPACK_NSIS_MUI_ICON ${CMAKE_SOURCE_DIR}/ui/resources/velb.ico)
    set(CPACK_NSIS_MUI_UNIICON ${CPACK_NSIS_MUI_ICON})
    # Windows numbers a version in four parts.
    set(CPACK_VELB_FILE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0)
    file(STRINGS ${CMAKE_SOURCE_DIR}/LICENSE CPACK_VELB_COPYRIGHT REGEX "^Copyright")
else()
    include(LinuxDocuments)
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VELB_CONTACT}")
    set(CPACK_DEBIAN_PACKAGE_SECTION devel)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # What the libraries do not say: Qt's windows need its platform plugins, and the window is
    # meant to be read in the Ming face with Qt's own dialogs in Traditional Chinese.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-arphic-uming, qt6-translations-l10n")
endif()

include(CPack)
