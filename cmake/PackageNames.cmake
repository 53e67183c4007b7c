# Read by cpack for each package it makes: the setup program is named as Windows users expect.
if(CPACK_GENERATOR STREQUAL "NSIS64")
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${CPACK_PACKAGE_VERSION}-setup")
endif()
