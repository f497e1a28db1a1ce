#pragma once

// List texts are the bytes of the system's code page. Here that is UTF-8; packages made on
// Windows hold GBK. A text that is not valid UTF-8 is read as GB18030 (GBK's superset).

#include <string>

namespace glint::package {

bool isValidUtf8(const std::string& bytes);

// The text as UTF-8 for display: unchanged when it is valid UTF-8, otherwise decoded from
// GB18030. Bytes that fail both are shown as U+FFFD.
std::string displayText(const std::string& bytes);

}  // namespace glint::package
