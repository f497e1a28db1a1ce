#include "platform/win32/win32_files.h"

#include <windows.h>

#include <string>

#include "package/file_error.h"
#include "platform/win32/wide_text.h"

namespace glint::platform::win32 {
namespace {

class Handle {
public:
    explicit Handle(HANDLE handle) : m_handle(handle) {}
    ~Handle() {
        if (valid()) CloseHandle(m_handle);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
    HANDLE get() const { return m_handle; }

private:
    HANDLE m_handle;
};

// Opened for reading its attributes only, sharing everything, so an open file is no obstacle.
HANDLE openForIdentity(const std::wstring& path) {
    return CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

bool sameFile(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b) {
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
           a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

// A name beside the target that no other file has.
std::wstring temporaryBeside(const std::wstring& target) {
    for (unsigned attempt = 0;; ++attempt) {
        std::wstring name = target + L".part-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                            std::to_wstring(GetTickCount() + attempt);
        if (GetFileAttributesW(name.c_str()) == INVALID_FILE_ATTRIBUTES) return name;
    }
}

}  // namespace

void Win32Files::copyFile(const std::string& from, const std::string& to) {
    const std::wstring source = widen(from);
    const std::wstring target = widen(to);
    Handle sourceHandle(openForIdentity(source));
    BY_HANDLE_FILE_INFORMATION sourceInfo{};
    if (!sourceHandle.valid() || !GetFileInformationByHandle(sourceHandle.get(), &sourceInfo)) {
        throw package::FileError("File not found", from);
    }
    // A folder, a device or a pipe is no file to copy.
    if ((sourceInfo.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
        GetFileType(sourceHandle.get()) != FILE_TYPE_DISK) {
        throw package::FileError("Not a file", from);
    }
    {
        Handle targetHandle(openForIdentity(target));
        BY_HANDLE_FILE_INFORMATION targetInfo{};
        if (targetHandle.valid() && GetFileInformationByHandle(targetHandle.get(), &targetInfo) &&
            sameFile(sourceInfo, targetInfo)) {
            return;
        }
    }
    const std::wstring temporary = temporaryBeside(target);
    if (!CopyFileW(source.c_str(), temporary.c_str(), TRUE)) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        const bool sourceFailed = error == ERROR_FILE_NOT_FOUND || error == ERROR_ACCESS_DENIED ||
                                  error == ERROR_SHARING_VIOLATION;
        if (sourceFailed && GetFileAttributesW(source.c_str()) == INVALID_FILE_ATTRIBUTES) {
            throw package::FileError("Cannot read file", from);
        }
        throw package::FileError("Cannot write file", to);
    }
    // A read-only source makes a read-only copy, which the next build could not replace.
    const DWORD attributes = GetFileAttributesW(temporary.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        SetFileAttributesW(temporary.c_str(), attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
    }
    if (!MoveFileExW(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        throw package::FileError("Cannot write file", to);
    }
}

bool Win32Files::deleteFilesIn(const std::string& folder) {
    const std::wstring base = widen(folder) + L"\\";
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileExW((base + L"*").c_str(), FindExInfoBasic, &entry,
                                     FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return false;
    bool all = true;
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring path = base + name;
        const bool folderEntry = entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
        const bool link = entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
        if (folderEntry && !link) continue;
        // A link to a folder is removed as a folder entry, which never touches its target.
        const bool removed =
            folderEntry ? RemoveDirectoryW(path.c_str()) : DeleteFileW(path.c_str());
        if (!removed) all = false;
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return all;
}

EntryKind Win32Files::kindOf(const std::string& path) {
    // Opening follows links and junctions to what they name.
    Handle handle(openForIdentity(widen(path)));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!handle.valid() || !GetFileInformationByHandle(handle.get(), &info)) {
        return EntryKind::Missing;
    }
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return EntryKind::Folder;
    return GetFileType(handle.get()) == FILE_TYPE_DISK ? EntryKind::File : EntryKind::Other;
}

std::vector<FolderEntry> Win32Files::listFolder(const std::string& folder) {
    const std::wstring base = widen(folder) + L"\\";
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileExW((base + L"*").c_str(), FindExInfoBasic, &entry,
                                     FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) throw package::FileError("Cannot read folder", folder);
    std::vector<FolderEntry> found;
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        const bool folderEntry = entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
        const bool link = entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
        EntryKind kind = EntryKind::File;
        if (folderEntry) {
            kind = link ? EntryKind::LinkToFolder : EntryKind::Folder;
        } else if (link) {
            kind = kindOf(narrow(base + name));
            if (kind == EntryKind::Folder) kind = EntryKind::LinkToFolder;
        }
        found.push_back({narrow(name), kind});
    } while (FindNextFileW(search, &entry));
    const DWORD error = GetLastError();
    FindClose(search);
    if (error != ERROR_NO_MORE_FILES) throw package::FileError("Cannot read folder", folder);
    return found;
}

}  // namespace glint::platform::win32

namespace glint::platform {

Files& systemFiles() {
    static win32::Win32Files files;
    return files;
}

}  // namespace glint::platform
