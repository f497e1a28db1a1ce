# The X11 backend's logic that needs no display: its input (keys, buttons, double-clicks) and
# the XScreenSaver window named as an argument.
add_executable(glint_x11_backend_tests
    ${CMAKE_CURRENT_LIST_DIR}/x11_input_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/covered_area_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../posix/xscreensaver_window_id_test.cpp
)
target_link_libraries(glint_x11_backend_tests PRIVATE glint_platform_x11 GTest::gtest_main)
gtest_discover_tests(glint_x11_backend_tests DISCOVERY_TIMEOUT 60)
