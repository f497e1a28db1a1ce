#include "maker/single_files.h"

#include <exception>
#include <filesystem>

#include "maker/messages.h"
#include "maker/show_entries.h"
#include "package/file_error.h"
#include "package/linux_run_header.h"
#include "package/paths.h"
#include "package/show_file.h"

namespace glint::maker {
namespace {

namespace fs = std::filesystem;

// Which system's programs lie beside the authoring program: the build says, as it says which
// separator paths use (GLINT_OWN_SYSTEM_WINDOWS in the Windows build).
#ifdef GLINT_OWN_SYSTEM_WINDOWS
constexpr bool kOwnSystemIsWindows = true;
#else
constexpr bool kOwnSystemIsWindows = false;
#endif

std::string packageFolder(std::string_view ownFolder) {
    return package::ownFolderPath(ownFolder, kPackageFolderLiteral);
}

std::string notMade(const SystemPrograms& system) {
    return trf("没有生成“%1”：", {system.showFileName});
}

// The installer that begins the file, behind the shell header on Linux.
std::vector<package::ShowEntry> stubOf(const SystemPrograms& system) {
    std::vector<package::ShowEntry> stub;
    if (system.shellHeader) {
        std::error_code error;
        const std::uintmax_t size = fs::file_size(package::filePath(system.installer), error);
        if (error) throw package::FileError("Cannot read file", system.installer);
        stub.push_back(
            {"", "", package::linuxRunHeader(size, package::posixCksumOfFile(system.installer))});
    }
    stub.push_back({"", system.installer, std::nullopt});
    return stub;
}

// Writes one system's file; returns why it could not, or nothing.
std::string writeFor(platform::Files& files, const SystemPrograms& system,
                     const std::vector<package::ShowEntry>& show, const std::string& folder) {
    for (const std::string* program : {&system.player, &system.installer}) {
        if (files.kindOf(*program) != platform::EntryKind::File) {
            return notMade(system) + trf("制作器的文件夹里缺少 %1 版的程序“%2”。",
                                         {system.system, *program});
        }
    }
    const std::string target = package::namedPath(folder, system.showFileName);
    try {
        std::vector<package::ShowEntry> entries{{"pb.cc", system.player, std::nullopt}};
        entries.insert(entries.end(), show.begin(), show.end());
        package::writeShowFile(target, stubOf(system), entries);
    } catch (const package::FileError& error) {
        return notMade(system) + trf("无法读写“%1”。", {error.path()});
    } catch (const std::exception& error) {
        return notMade(system) + error.what();
    }
    if (system.shellHeader) {
        // Run as ./FILE where it stays on this system; elsewhere "sh FILE" needs no bit.
        std::error_code ignored;
        fs::permissions(package::filePath(target),
                        fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                        fs::perm_options::add, ignored);
    }
    return {};
}

}  // namespace

std::vector<SystemPrograms> systemPrograms(std::string_view ownFolder) {
    // The other system's programs lie in a subfolder named after it.
    const auto programs = [&](const char* system, const char* file, const char* subfolder, bool own,
                              bool shellHeader) {
        const std::string folder = own ? std::string() : std::string("\\") + subfolder;
        return SystemPrograms{system, file, package::ownFolderPath(ownFolder, folder + "\\pb.sys"),
                              package::ownFolderPath(ownFolder, folder + "\\sp.sys"), shellHeader};
    };
    SystemPrograms forWindows =
        programs("Windows", kWindowsShowFileName, "windows", kOwnSystemIsWindows, false);
    SystemPrograms forLinux =
        programs("Linux", kLinuxShowFileName, "linux", !kOwnSystemIsWindows, true);
    if (kOwnSystemIsWindows) return {std::move(forWindows), std::move(forLinux)};
    return {std::move(forLinux), std::move(forWindows)};
}

std::string writeSingleFiles(platform::Files& files, std::string_view ownFolder) {
    const std::string folder = packageFolder(ownFolder);
    std::vector<package::ShowEntry> show;
    try {
        show = showEntries(files, folder);
    } catch (const ShowNotReady& notReady) {
        return notReady.what();
    }
    std::string message;
    for (const SystemPrograms& system : systemPrograms(ownFolder)) {
        const std::string problem = writeFor(files, system, show, folder);
        if (!problem.empty()) message += (message.empty() ? "" : "\n") + problem;
    }
    return message;
}

void removeSingleFiles(std::string_view ownFolder) {
    for (const char* name : {kWindowsShowFileName, kLinuxShowFileName}) {
        std::error_code ignored;
        fs::remove(package::filePath(package::namedPath(packageFolder(ownFolder), name)), ignored);
    }
}

}  // namespace glint::maker
