# The X11 dialogs' layout and text field, checked without a display.
add_executable(glint_x11_dialog_tests
    ${CMAKE_CURRENT_LIST_DIR}/dialog_layout_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_field_test.cpp
)
target_include_directories(glint_x11_dialog_tests PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(glint_x11_dialog_tests PRIVATE glint_x11_dialogs GTest::gtest_main)
gtest_discover_tests(glint_x11_dialog_tests DISCOVERY_TIMEOUT 60)
