// List texts where the system names files in bytes: the bytes themselves.

#include "package/list_text.h"

#include <iconv.h>

#include <cerrno>

namespace glint::package {

bool listCanHold(const std::string&) { return true; }

std::string toListText(const std::string& text) { return text; }

std::string fromListText(std::string bytes) { return bytes; }

std::string fromGb18030(const std::string& bytes) {
    constexpr const char* kReplacement = "\xEF\xBF\xBD";
    iconv_t cd = iconv_open("UTF-8", "GB18030");
    if (cd == reinterpret_cast<iconv_t>(-1)) return kReplacement;
    std::string out;
    char buffer[256];
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
            out += kReplacement;  // an invalid or cut-off sequence: skip one byte
            ++in;
            --inLeft;
        }
    }
    iconv_close(cd);
    return out;
}

}  // namespace glint::package
