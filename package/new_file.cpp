#include "package/new_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include <algorithm>
#include <cerrno>
#include <climits>
#include <filesystem>
#include <random>

#include "package/file_error.h"
#include "package/paths.h"

namespace glint::package {
namespace {

#ifdef _WIN32
int openExclusive(const std::filesystem::path& path, bool) {
    return ::_wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                    _S_IREAD | _S_IWRITE);
}
long writeSome(int descriptor, const char* data, std::size_t size) {
    return ::_write(descriptor, data, static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX)));
}
// _commit is FlushFileBuffers on the descriptor's handle.
bool syncDescriptor(int descriptor) {
    return ::_commit(descriptor) == 0;
}
bool closeDescriptor(int descriptor) {
    return ::_close(descriptor) == 0;
}
#else
int openExclusive(const std::filesystem::path& path, bool program) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                  program ? 0777 : 0666);
}
long writeSome(int descriptor, const char* data, std::size_t size) {
    return ::write(descriptor, data, size);
}
bool syncDescriptor(int descriptor) {
    return ::fsync(descriptor) == 0;
}
bool closeDescriptor(int descriptor) {
    return ::close(descriptor) == 0;
}
#endif

}  // namespace

NewFile::~NewFile() {
    if (m_descriptor >= 0) closeDescriptor(m_descriptor);
}

NewFile::Opened NewFile::create(const std::string& path, bool program) {
    m_descriptor = openExclusive(filePath(path), program);
    if (m_descriptor >= 0) return Opened::Yes;
    return errno == EEXIST ? Opened::Exists : Opened::Failed;
}

bool NewFile::write(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const long written = writeSome(m_descriptor, bytes, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool NewFile::finish(bool sync) {
    if (m_descriptor < 0) return false;
    const int descriptor = m_descriptor;
    m_descriptor = -1;
    const bool synced = !sync || syncDescriptor(descriptor);
    return closeDescriptor(descriptor) && synced;
}

ReplacingFile::ReplacingFile(const std::string& target, bool program) : m_target(target) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        m_temporary = target + ".part-" + std::to_string(random() % 1000000000);
        switch (m_file.create(m_temporary, program)) {
            case NewFile::Opened::Yes:
                return;
            case NewFile::Opened::Failed:
                throw FileError("Cannot write file", target);
            case NewFile::Opened::Exists:
                break;
        }
    }
    throw FileError("Cannot write file", target);
}

ReplacingFile::~ReplacingFile() {
    if (m_committed) return;
    m_file.finish(false);
    std::error_code ignored;
    std::filesystem::remove(filePath(m_temporary), ignored);
}

void ReplacingFile::fail() {
    throw FileError("Cannot write file", m_target);
}

void ReplacingFile::write(const void* data, std::size_t size) {
    if (!m_file.write(data, size)) fail();
}

void ReplacingFile::commit() {
    if (!m_file.finish(true)) fail();
    std::error_code error;
    std::filesystem::rename(filePath(m_temporary), filePath(m_target), error);
    if (error) fail();
    m_committed = true;
}

}  // namespace glint::package
