#include "platform/posix/posix_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "package/file_error.h"

namespace glint::platform::posix {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// Copies what is left of the source inside the kernel, without passing the bytes through this
// process. False when that cannot go on (no support between these file systems, or a failure):
// the rest is then copied through a buffer, from where the file offsets stand, and a failure
// there is reported with the file it belongs to.
bool copyInKernel(int from, int to) {
    for (;;) {
        const ssize_t copied = ::copy_file_range(from, nullptr, to, nullptr, 1 << 30, 0);
        if (copied == 0) return true;
        if (copied < 0 && errno != EINTR) return false;
    }
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

EntryKind kindOfMode(mode_t mode) {
    if (S_ISREG(mode)) return EntryKind::File;
    if (S_ISDIR(mode)) return EntryKind::Folder;
    return EntryKind::Other;
}

class Folder {
public:
    explicit Folder(DIR* folder) : m_folder(folder) {}
    ~Folder() {
        if (m_folder) ::closedir(m_folder);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    DIR* get() const { return m_folder; }

private:
    DIR* m_folder;
};

// An entry of the open folder, looked at itself; a link is then followed once to tell what it
// leads to.
EntryKind kindOfEntry(int folder, const char* name) {
    struct stat info {};
    if (::fstatat(folder, name, &info, AT_SYMLINK_NOFOLLOW) != 0) return EntryKind::Missing;
    if (!S_ISLNK(info.st_mode)) return kindOfMode(info.st_mode);
    if (::fstatat(folder, name, &info, 0) != 0) return EntryKind::Missing;
    const EntryKind target = kindOfMode(info.st_mode);
    return target == EntryKind::Folder ? EntryKind::LinkToFolder : target;
}

}  // namespace

void PosixFiles::copyFile(const std::string& from, const std::string& to) {
    // Without O_NONBLOCK, opening a pipe waits for a writer for ever; it is refused below, and a
    // regular file reads the same either way.
    FileDescriptor source(::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat sourceInfo {};
    if (source.get() < 0 || ::fstat(source.get(), &sourceInfo) != 0) {
        throw package::FileError("File not found", from);
    }
    if (!S_ISREG(sourceInfo.st_mode)) throw package::FileError("Not a file", from);
    struct stat targetInfo {};
    if (::stat(to.c_str(), &targetInfo) == 0 && sameFile(sourceInfo, targetInfo)) return;

    std::string temporary = to + ".part-XXXXXX";
    FileDescriptor target(::mkstemp(temporary.data()));
    if (target.get() < 0) throw package::FileError("Cannot write file", to);
    auto fail = [&](const char* what, const std::string& path) {
        ::unlink(temporary.c_str());
        throw package::FileError(what, path);
    };
    char buffer[1 << 16];
    for (bool done = copyInKernel(source.get(), target.get()); !done;) {
        const ssize_t got = ::read(source.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) fail("Cannot read file", from);
        done = got == 0;
        if (!writeAll(target.get(), buffer, static_cast<std::size_t>(got))) {
            fail("Cannot write file", to);
        }
    }
    // The copy keeps the source's permissions, so a copied program stays executable.
    if (::fchmod(target.get(), sourceInfo.st_mode & 07777) != 0 || ::fsync(target.get()) != 0 ||
        !target.close()) {
        fail("Cannot write file", to);
    }
    if (::rename(temporary.c_str(), to.c_str()) != 0) fail("Cannot write file", to);
}

bool PosixFiles::deleteFilesIn(const std::string& folder) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error) return false;
    bool all = true;
    for (const auto& entry : entries) {
        // symlink_status: a link is looked at itself, never followed.
        const auto status = entry.symlink_status(error);
        if (error) {
            all = false;
            continue;
        }
        if (std::filesystem::is_directory(status)) continue;
        if (::unlink(entry.path().c_str()) != 0) all = false;
    }
    return all;
}

EntryKind PosixFiles::kindOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return EntryKind::Missing;
    return kindOfMode(info.st_mode);
}

std::vector<FolderEntry> PosixFiles::listFolder(const std::string& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) throw package::FileError("Cannot read folder", folder);
    Folder entries(::fdopendir(descriptor));
    if (!entries.get()) {
        ::close(descriptor);
        throw package::FileError("Cannot read folder", folder);
    }
    std::vector<FolderEntry> found;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(entries.get());
        if (!entry) break;
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        found.push_back({name, kindOfEntry(descriptor, entry->d_name)});
    }
    if (errno != 0) throw package::FileError("Cannot read folder", folder);
    return found;
}

}  // namespace glint::platform::posix

namespace glint::platform {

Files& systemFiles() {
    static posix::PosixFiles files;
    return files;
}

}  // namespace glint::platform
