# The Windows installer's tests, in the Windows logic tests (glint_tests.exe).
target_sources(glint_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../installer/win32_install_test.cpp)
target_link_libraries(glint_tests PRIVATE glint_installer_win32)
