# The Windows installer's tests, in the Windows logic tests (glint_tests.exe).
target_sources(glint_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../installer/win32_install_test.cpp)
target_link_libraries(glint_tests PRIVATE glint_installer_win32)
# Makes the show file that installer_smoke.sh installs, as the authoring program makes one.
add_executable(glint_make_show_file ${CMAKE_CURRENT_LIST_DIR}/make_show_file.cpp)
target_link_libraries(glint_make_show_file PRIVATE glint_package)
target_link_options(glint_make_show_file PRIVATE -municode)
