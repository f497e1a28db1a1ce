#pragma once

// A picture file read through a stream, the way GDI+ reads pictures.

#include <objidl.h>

#include <string>

#include "platform/win32/com_ref.h"

namespace glint::platform::win32 {

// Opens the file for reading, shared with every other reader and writer, as a read-only stream
// with a position of its own. The file stays open while the stream or a clone of it lives, and
// only then. Throws package::FileError("File not found") when there is no such file, or when the
// name is a folder or a device rather than a file on a disk.
ComRef<IStream> openFileStream(const std::string& path);

}  // namespace glint::platform::win32
