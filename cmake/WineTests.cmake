# Runs the Windows test programs under Wine, in a Wine prefix of the build's own whose ANSI
# code page is 950, that of the systems the scripts come from; velb-batch's end-to-end tests
# run once more with 1252, that of an English Windows.

find_program(WINE wine REQUIRED)
find_program(WINESERVER wineserver REQUIRED)
find_program(LOCALEDEF localedef REQUIRED)

set(VELB_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine)
set(VELB_LOCALES ${CMAKE_BINARY_DIR}/locales)

# Wine takes the ANSI code page from the locale, 950 for zh_TW and 1252 for en_US; and only
# with the locale present does it pass non-ASCII arguments and file names through intact. They
# are compiled into the build, so the system's locales stay as they are.
foreach(language zh_TW en_US)
    if(NOT EXISTS ${VELB_LOCALES}/${language}.UTF-8/LC_CTYPE)
        file(MAKE_DIRECTORY ${VELB_LOCALES})
        execute_process(COMMAND ${LOCALEDEF} -i ${language} -f UTF-8 ${VELB_LOCALES}/${language}.UTF-8)
        if(NOT EXISTS ${VELB_LOCALES}/${language}.UTF-8/LC_CTYPE)
            message(FATAL_ERROR "localedef could not compile the ${language}.UTF-8 locale (is the package locales installed?)")
        endif()
    endif()
endforeach()

# No dialogs: the .NET and HTML engines Wine would offer to install are switched off.
set(wine_environment
    ${CMAKE_COMMAND} -E env WINEPREFIX=${VELB_WINE_PREFIX} LOCPATH=${VELB_LOCALES} LC_ALL=zh_TW.UTF-8
    WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml=")
set(CMAKE_CROSSCOMPILING_EMULATOR ${wine_environment} sh ${CMAKE_CURRENT_LIST_DIR}/run-under-wine.sh)
# The same on a virtual screen of 96 DPI of its own, for the tests of the windows (see on-virtual-screen.sh).
find_program(XVFB_RUN xvfb-run REQUIRED)
set(VELB_ON_VIRTUAL_SCREEN ${XVFB_RUN} -a -s "-screen 0 1024x768x24 -dpi 96" ${wine_environment}
    sh ${CMAKE_CURRENT_LIST_DIR}/on-virtual-screen.sh sh ${CMAKE_CURRENT_LIST_DIR}/run-under-wine.sh)
# The same, on an English Windows.
string(REPLACE "LC_ALL=zh_TW.UTF-8" "LC_ALL=en_US.UTF-8" VELB_ENGLISH_WINDOWS "${CMAKE_CROSSCOMPILING_EMULATOR}")

# Wine's first start makes the prefix and takes a while: it happens here, once, so that no test
# pays for it or races another to it.
if(NOT EXISTS ${VELB_WINE_PREFIX}/system.reg)
    message(STATUS "Making the Wine prefix ${VELB_WINE_PREFIX}")
    execute_process(COMMAND ${wine_environment} ${WINE} wineboot --init OUTPUT_VARIABLE said ERROR_VARIABLE said)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${VELB_WINE_PREFIX} ${WINESERVER} --wait)
    if(NOT EXISTS ${VELB_WINE_PREFIX}/system.reg)
        message(FATAL_ERROR "Wine could not make its prefix in ${VELB_WINE_PREFIX}:\n${said}")
    endif()
endif()

# The tests are listed when ctest starts rather than after each link: Wine then never runs
# during the build, and the listing is not slowed by compilers working beside it.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
