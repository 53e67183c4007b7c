# Header-only libraries from Debian's packages (CLI11, dtl) serve the cross build too. The
# host's copy sits among the host's C headers, which must stay out of the cross compiler's
# way, so for a cross build only the library's own folder is copied into the build.

# Makes the interface target `target` whose headers are the folder `folder` (as included:
# <folder/...>), found where the host keeps it.
function(velb_host_headers target folder)
    find_path(VELB_${folder}_PARENT ${folder} NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    add_library(${target} INTERFACE IMPORTED GLOBAL)
    if(CMAKE_CROSSCOMPILING)
        file(COPY ${VELB_${folder}_PARENT}/${folder} DESTINATION ${CMAKE_BINARY_DIR}/host-headers)
        target_include_directories(${target} SYSTEM INTERFACE ${CMAKE_BINARY_DIR}/host-headers)
    else()
        target_include_directories(${target} SYSTEM INTERFACE ${VELB_${folder}_PARENT})
    endif()
endfunction()
