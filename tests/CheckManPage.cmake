# Each man page names the same long options as velb-batch --help, so none can gain or lose
# one unnoticed. Run as: cmake -DBATCH=<velb-batch> "-DMAN_PAGES=<page>;<page>" -P CheckManPage.cmake

function(long_options text result)
    string(REGEX MATCHALL "--[a-z][a-z-]*" options "${text}")
    list(REMOVE_DUPLICATES options)
    list(SORT options)
    set(${result} "${options}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${BATCH} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "velb-batch --help exited with ${status}")
endif()
long_options("${help}" fromHelp)

foreach(manPage ${MAN_PAGES})
    file(READ ${manPage} page)
    # In the man format a hyphen is written "\-".
    string(REPLACE "\\-" "-" page "${page}")
    long_options("${page}" fromPage)
    if(NOT fromHelp STREQUAL fromPage)
        message(FATAL_ERROR "--help lists ${fromHelp}\n${manPage} lists ${fromPage}")
    endif()
endforeach()
