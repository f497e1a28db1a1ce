# The programs that travel inside a package (the player and the installer on Linux) run on any
# desktop with glibc 2.34 or later and X11: the C++ and GCC runtimes are linked in, and the
# functions those runtimes would ask of a newer C library are the program's own
# (platform/posix/glibc_floor.cpp). tools/check-portable-binary.sh checks the result.
add_library(glint_glibc_floor OBJECT ${CMAKE_CURRENT_LIST_DIR}/../platform/posix/glibc_floor.cpp)

function(glint_portable_program target)
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:glint_glibc_floor>)
    target_link_options(${target} PRIVATE -static-libstdc++ -static-libgcc)
endfunction()
