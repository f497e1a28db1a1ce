#pragma once

// The lists hold texts in the system's code page, so a package moves between systems that share
// one. Where the system names files in bytes, those bytes are the texts, stored and read back
// unchanged. Where it names files in wide characters, texts inside the programs are UTF-8 and the
// lists hold the system's ANSI code page (GBK on Chinese systems).
//
// Each build links the one implementation that fits its system.

#include <string>

namespace glint::package {

// Whether the list can hold the text so that it reads back the same. A file name that fails this
// could not be found again from a list.
bool listCanHold(const std::string& text);

// The bytes a list stores for the text; a character the code page lacks becomes "?".
std::string toListText(const std::string& text);

// The text for bytes a list holds.
std::string fromListText(std::string bytes);

// Bytes in GB18030 (GBK's superset) as UTF-8; a sequence that is not GB18030 becomes U+FFFD.
std::string fromGb18030(const std::string& bytes);

}  // namespace glint::package
