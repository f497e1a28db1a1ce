# The Windows devices' own tests (pictures, music, the desktop's parts, the authoring program on a
# Chinese system), as one Windows program: glint_win32_device_tests.exe, run under Wine by
# tests/win32/run_smoke.sh.
enable_language(RC)

# Two of the authoring program's built-in pictures, carried as it carries them. The names are wide
# strings: windres joins a quoted file name with a quoted name on the next line.
set(glint_device_test_artwork ${PROJECT_SOURCE_DIR}/assets/maker/generated)
set(glint_device_test_rc ${CMAKE_CURRENT_BINARY_DIR}/device_test_pictures.rc)
file(CONFIGURE OUTPUT ${glint_device_test_rc} CONTENT
"L\"background.jpg\" RCDATA \"${glint_device_test_artwork}/background.jpg\"
L\"hand.png\" RCDATA \"${glint_device_test_artwork}/hand.png\"
")
set_source_files_properties(${glint_device_test_rc} PROPERTIES OBJECT_DEPENDS
    "${glint_device_test_artwork}/background.jpg;${glint_device_test_artwork}/hand.png")

add_executable(glint_win32_device_tests
    ${CMAKE_CURRENT_LIST_DIR}/builtin_pictures_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/exif_orientation_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/media_player_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/open_file_dialog_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture_cursor_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture_files.cpp
    ${CMAKE_CURRENT_LIST_DIR}/photos_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture_loader_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/program_start_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/unlistable_path_test.cpp
    ${glint_device_test_rc}
)
# The committed artwork as the test program finds it under Wine: drive Z: is the root folder.
string(REPLACE "/" "\\\\" glint_device_test_artwork_z "Z:${glint_device_test_artwork}")
target_compile_definitions(glint_win32_device_tests
    PRIVATE GLINT_ARTWORK_DIR="${glint_device_test_artwork_z}")
target_link_libraries(glint_win32_device_tests
    PRIVATE glint_platform_win32_devices glint_test_support GTest::gtest_main gdiplus gdi32 user32 ole32
            shlwapi winmm)

# Started by the program-start tests, from beside the test program.
add_executable(glint_start_marker ${CMAKE_CURRENT_LIST_DIR}/start_marker.cpp)
target_link_libraries(glint_start_marker PRIVATE glint_list_text)
target_link_options(glint_start_marker PRIVATE -municode)
add_dependencies(glint_win32_device_tests glint_start_marker)
