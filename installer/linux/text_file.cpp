#include "installer/linux/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "installer/install_plan.h"
#include "language/translate.h"

namespace glint::installer {

using language::trf;

std::optional<std::string> readTextFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in || in.bad()) throw InstallError(trf("无法读取文件：%1", {path}));
    return text.str();
}

void replaceTextFile(const std::string& path, const std::string& text) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path target = path;
    if (fs::is_symlink(fs::symlink_status(target, error))) {
        target = fs::weakly_canonical(target, error);
        if (error) throw InstallError(trf("无法写入文件：%1", {path}));
    }
    struct stat old {};
    const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;

    std::string temporary = target.string() + ".glint-XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) throw InstallError(trf("无法写入文件：%1", {path}));
    bool written = ::fchmod(fd, mode) == 0;
    for (std::size_t done = 0; written && done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        written = n > 0;
        if (written) done += static_cast<std::size_t>(n);
    }
    written = ::fsync(fd) == 0 && written;
    written = ::close(fd) == 0 && written;
    if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        throw InstallError(trf("无法写入文件：%1", {path}));
    }
}

}  // namespace glint::installer
