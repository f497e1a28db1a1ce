#pragma once

#include "platform/files.h"

namespace glint::platform::posix {

class PosixFiles : public Files {
public:
    void copyFile(const std::string& from, const std::string& to) override;
    bool deleteFilesIn(const std::string& folder) override;
    EntryKind kindOf(const std::string& path) override;
    std::vector<FolderEntry> listFolder(const std::string& folder) override;
};

}  // namespace glint::platform::posix
