# The Windows API backend's windows: the runtime (event passes, the hold, timers, the error
# report), the window of a form with its DIB frame, drawn controls and child windows, the input,
# and the clock, screen, pointer and text metrics.
add_library(glint_platform_win32 STATIC
    ${CMAKE_CURRENT_LIST_DIR}/child_windows.cpp
    ${CMAKE_CURRENT_LIST_DIR}/control_painter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form_presenter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form_window_class.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame_buffer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/monitor_covers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rect_list.cpp
    ${CMAKE_CURRENT_LIST_DIR}/stretched_picture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ui_font.cpp
    ${CMAKE_CURRENT_LIST_DIR}/win32_clock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/win32_cursor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/win32_input.cpp
    ${CMAKE_CURRENT_LIST_DIR}/win32_runtime.cpp
    ${CMAKE_CURRENT_LIST_DIR}/win32_screen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/win32_text_metrics.cpp
)
target_link_libraries(glint_platform_win32
    PUBLIC glint_platform glint_list_text user32 gdi32 winmm shell32
)
