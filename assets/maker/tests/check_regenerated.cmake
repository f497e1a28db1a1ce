# Runs the generator into a scratch folder and fails unless it writes exactly the committed files,
# byte for byte: a change to the drawing code must come with its repainted pictures.
#   cmake -DGENERATOR=... -DCOMMITTED=... -DSCRATCH=... -P check_regenerated.cmake

file(REMOVE_RECURSE "${SCRATCH}")
execute_process(COMMAND "${GENERATOR}" "${SCRATCH}" RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the generator failed (${status}): ${errors}")
endif()

file(GLOB_RECURSE committed RELATIVE "${COMMITTED}" "${COMMITTED}/*")
file(GLOB_RECURSE painted RELATIVE "${SCRATCH}" "${SCRATCH}/*")
list(SORT committed)
list(SORT painted)
if(NOT committed STREQUAL painted)
    message(FATAL_ERROR "file lists differ\n committed: ${committed}\n painted: ${painted}")
endif()

set(stale "")
foreach(name IN LISTS committed)
    file(SHA256 "${COMMITTED}/${name}" want)
    file(SHA256 "${SCRATCH}/${name}" got)
    if(NOT want STREQUAL got)
        list(APPEND stale "${name}")
    endif()
endforeach()
if(stale)
    message(FATAL_ERROR "stale in assets/maker/generated/ (run the glint_maker_artwork_refresh "
                        "target and review the pictures): ${stale}")
endif()
message(STATUS "${SCRATCH}: all files match the committed artwork")
