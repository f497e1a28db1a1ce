#pragma once

#include <string>

namespace glint::platform::win32 {

// The folder of the running executable, as UTF-8, without a separator at its end.
std::string executableFolder();

}  // namespace glint::platform::win32
