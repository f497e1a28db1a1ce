#pragma once

namespace glint::maker {

// The one message for a build, preview, generation or installer start that fails. It begins with
// a space.
inline constexpr const char* kFileNotFoundMessage = " 文件没有找到，请和作者联系！";

// Generate writes no single file: each message begins so, then says why.
inline constexpr const char* kSingleFilesNotMade = "没有生成单个文件：";
inline constexpr const char* kSingleFilesNeedBuildMessage =
    "没有生成单个文件：请先点“1、确定”生成屏幕保护程序。";

// The package folder beside the program.
inline constexpr const char* kPackageFolderLiteral = "\\制作好的屏幕程序";

}  // namespace glint::maker
