# dist-win32/: the authoring program's own folder on Windows, laid out by cmake --install as dist/
# is on Linux: glintmaker.exe, the player as pb.sys, the installer as sp.sys (its own rule in
# installer/), the help page, the button pictures and the empty package folder.
if(TARGET glintmaker)
    install(PROGRAMS $<TARGET_FILE:glintmaker> DESTINATION .)
endif()
if(TARGET glintsaver)
    install(PROGRAMS $<TARGET_FILE:glintsaver> DESTINATION . RENAME pb.sys)
endif()
set(glint_artwork ${PROJECT_SOURCE_DIR}/assets/maker/generated)
install(DIRECTORY ${glint_artwork}/pic/ DESTINATION pic)
install(DIRECTORY ${glint_artwork}/en/pic/ DESTINATION pic/en)
install(FILES ${glint_artwork}/pb.htm ${glint_artwork}/pb_en.htm DESTINATION .)
install(CODE "file(MAKE_DIRECTORY \"\${CMAKE_INSTALL_PREFIX}/制作好的屏幕程序\")")
# The licence, which the setup program shows and installs, with Windows line ends.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE glint_licence)
string(REPLACE "\n" "\r\n" glint_licence "${glint_licence}")
file(WRITE ${PROJECT_BINARY_DIR}/LICENSE.txt "${glint_licence}")
install(FILES ${PROJECT_BINARY_DIR}/LICENSE.txt DESTINATION .)
