# Pictures through GDI+ (and WIC for the formats GDI+ lacks), music through MCI, the desktop's dialogs, menus, shell and processes,
# and the services a program is given, all made together.
add_library(glint_platform_win32_devices STATIC
    ${CMAKE_CURRENT_LIST_DIR}/builtin_pictures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/executable_folder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/exif_orientation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_stream.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gdiplus_session.cpp
    ${CMAKE_CURRENT_LIST_DIR}/open_file_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture_cursor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture_decoder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/program_start.cpp
    ${CMAKE_CURRENT_LIST_DIR}/progress_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/question_box.cpp
    ${CMAKE_CURRENT_LIST_DIR}/win32_desktop.cpp
    ${CMAKE_CURRENT_LIST_DIR}/win32_media_player.cpp
    ${CMAKE_CURRENT_LIST_DIR}/win32_picture_fitting.cpp
    ${CMAKE_CURRENT_LIST_DIR}/win32_picture_loader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/win32_services.cpp
    ${CMAKE_CURRENT_LIST_DIR}/wic_picture.cpp
)
target_link_libraries(glint_platform_win32_devices
    PUBLIC glint_platform glint_list_text
    PRIVATE gdiplus windowscodecs gdi32 user32 winmm comdlg32 shell32 shlwapi ole32 uuid
)
# The desktop asks its runtime for owner windows, the title and modal dialogs.
if(TARGET glint_platform_win32)
    target_link_libraries(glint_platform_win32_devices PUBLIC glint_platform_win32)
endif()
# A photo of a hundred megapixels takes 400 MB in our format, besides what GDI+ holds while
# decoding it: every program that loads pictures may use the whole 4 GB a 32-bit process gets on
# 64-bit Windows.
target_link_options(glint_platform_win32_devices INTERFACE -Wl,--large-address-aware)
