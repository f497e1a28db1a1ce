#pragma once

#include "language/translate.h"

namespace glint::maker {

using language::N_;
using language::tr;
using language::trf;

// The one message for a build, preview, generation or installer start that fails. It begins with
// a space.
inline constexpr const char* kFileNotFoundMessage = N_(" 文件没有找到，请和作者联系！");

// Generate writes no single file: each message begins so, then says why.
inline constexpr const char* kSingleFilesNotMade = N_("没有生成单个文件：");
inline constexpr const char* kSingleFilesNeedBuildMessage =
    N_("没有生成单个文件：请先点“1、确定”生成屏幕保护程序。");

// The package folder beside the program.
inline constexpr const char* kPackageFolderLiteral = "\\制作好的屏幕程序";

}  // namespace glint::maker
