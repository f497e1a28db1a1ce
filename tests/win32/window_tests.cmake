# The Windows window backend's own tests, as one Windows program: glint_win32_window_tests.exe.
# They show real windows, so they run under Wine with an X display.
add_executable(glint_win32_window_tests
    ${CMAKE_CURRENT_LIST_DIR}/failing_program.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form_window_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/monitor_covers_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/win32_runtime_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_pieces_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_tests_main.cpp
)
target_include_directories(glint_win32_window_tests PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(glint_win32_window_tests PRIVATE glint_platform_win32 GTest::gtest)
