#include "platform/win32/file_stream.h"

#include <windows.h>

#include <atomic>

#include "package/file_error.h"
#include "platform/win32/wide_text.h"

namespace glint::platform::win32 {
namespace {

// Reads at its own position, never the handle's, so clones sharing a handle's file object do not
// disturb each other.
class FileStream : public IStream {
public:
    FileStream(HANDLE file, ULONGLONG position) : m_file(file), m_position(position) {}
    virtual ~FileStream() { CloseHandle(m_file); }
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_ISequentialStream) ||
            IsEqualIID(id, IID_IStream)) {
            *object = static_cast<IStream*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --m_references;
        if (left == 0) delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG size, ULONG* read) override {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(m_position);
        at.OffsetHigh = static_cast<DWORD>(m_position >> 32);
        DWORD got = 0;
        if (!ReadFile(m_file, buffer, size, &got, &at) && GetLastError() != ERROR_HANDLE_EOF) {
            if (read) *read = 0;
            return STG_E_READFAULT;
        }
        m_position += got;
        if (read) *read = got;
        // As a stream in memory answers: a short read at the end is no failure.
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Write(const void*, ULONG, ULONG* written) override {
        if (written) *written = 0;
        return STG_E_ACCESSDENIED;
    }

    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin,
                                   ULARGE_INTEGER* newPosition) override {
        LONGLONG base = 0;
        if (origin == STREAM_SEEK_CUR) {
            base = static_cast<LONGLONG>(m_position);
        } else if (origin == STREAM_SEEK_END) {
            LARGE_INTEGER size{};
            if (!GetFileSizeEx(m_file, &size)) return STG_E_SEEKERROR;
            base = size.QuadPart;
        } else if (origin != STREAM_SEEK_SET) {
            return STG_E_INVALIDFUNCTION;
        }
        const LONGLONG target = base + move.QuadPart;
        if (target < 0) return STG_E_INVALIDFUNCTION;
        m_position = static_cast<ULONGLONG>(target);
        if (newPosition) newPosition->QuadPart = m_position;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD) override {
        if (!stat) return STG_E_INVALIDPOINTER;
        LARGE_INTEGER size{};
        if (!GetFileSizeEx(m_file, &size)) return STG_E_ACCESSDENIED;
        *stat = STATSTG{};
        // No name, whatever was asked: the caller frees a null name as well.
        stat->type = STGTY_STREAM;
        stat->cbSize.QuadPart = static_cast<ULONGLONG>(size.QuadPart);
        stat->grfMode = STGM_READ | STGM_SHARE_DENY_NONE;
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE Clone(IStream** clone) override {
        if (!clone) return STG_E_INVALIDPOINTER;
        HANDLE duplicate = nullptr;
        const HANDLE process = GetCurrentProcess();
        if (!DuplicateHandle(process, m_file, process, &duplicate, 0, FALSE,
                             DUPLICATE_SAME_ACCESS)) {
            *clone = nullptr;
            return E_OUTOFMEMORY;
        }
        *clone = new FileStream(duplicate, m_position);
        return S_OK;
    }

    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override { return STG_E_ACCESSDENIED; }
    HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*,
                                     ULARGE_INTEGER*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Revert() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
        return STG_E_INVALIDFUNCTION;
    }
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
        return STG_E_INVALIDFUNCTION;
    }

private:
    HANDLE m_file;
    ULONGLONG m_position;
    std::atomic<ULONG> m_references{1};
};

}  // namespace

ComRef<IStream> openFileStream(const std::string& path) {
    const std::wstring name = widen(path);
    // Without FILE_FLAG_BACKUP_SEMANTICS a folder does not open.
    const HANDLE file = CreateFileW(
        name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD attributes = GetFileAttributesW(name.c_str());
        const bool noFile =
            attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        // A file that is there but may not be read: locked away or forbidden.
        throw package::FileError(noFile ? "File not found" : "Cannot open file", path);
    }
    // A device ("COM1", "\\.\pipe\...") is no picture file; reading it could wait forever.
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        throw package::FileError("File not found", path);
    }
    return ComRef<IStream>(new FileStream(file, 0));
}

}  // namespace glint::platform::win32
