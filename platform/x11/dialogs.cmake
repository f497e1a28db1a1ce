# Small dialogs of our own on X11 (a message, a yes/no question, a number) for the programs that
# travel inside a package: they stand on X11's client libraries only. libXrandr, which says
# where the primary monitor is, is loaded at run time where present.
find_package(X11 REQUIRED)
find_package(Fontconfig REQUIRED)
add_library(glint_x11_dialogs STATIC
    ${CMAKE_CURRENT_LIST_DIR}/dialog_field.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_font.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_painter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_screen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_utf8.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/x11_dialogs.cpp
)
target_include_directories(glint_x11_dialogs PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(glint_x11_dialogs PRIVATE glint_language X11::X11 X11::Xft X11::Xrender Fontconfig::Fontconfig ${CMAKE_DL_LIBS})
