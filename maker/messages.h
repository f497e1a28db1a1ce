#pragma once

namespace glint::maker {

// The one message for a build, preview, generation or installer start that fails. It begins with
// a space.
inline constexpr const char* kFileNotFoundMessage = " 文件没有找到，请和作者联系！";

// The package folder beside the program.
inline constexpr const char* kPackageFolderLiteral = "\\制作好的屏幕程序";

}  // namespace glint::maker
