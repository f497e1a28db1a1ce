#include "installer/win32/staged_show.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include "installer/install_plan.h"
#include "language/translate.h"
#include "package/file_error.h"
#include "package/list_text.h"
#include "package/paths.h"
#include "package/show_file.h"
#include "package/text_encoding.h"
#include "platform/win32/wide_text.h"

namespace glint::installer::win32 {
namespace {

namespace fs = std::filesystem;
using language::trf;
using platform::win32::widen;

// The trailer's first bytes: the magic padded with zeros to 16 bytes.
constexpr char kMagic[16] = "GLINTSHOW1";
constexpr std::uint64_t kMegabyte = 1024 * 1024;

std::string readAll(const std::string& path) {
    std::ifstream in(package::filePath(path), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in) throw InstallError(trf("无法读取文件：%1", {path}));
    return std::move(bytes).str();
}

void writeAll(const std::string& path, const std::string& bytes) {
    std::ofstream out(package::filePath(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw InstallError(trf("无法写入文件：%1", {path}));
}

// The first text of the list (its lines' quotes taken off, as the player reads them) that the
// code page cannot hold.
std::string firstUnlistable(const std::string& list) {
    std::istringstream lines(list);
    std::string line;
    while (std::getline(lines, line, '\n')) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string text = line.size() < 2 ? line : line.substr(1, line.size() - 2);
        if (!package::listCanHold(text)) return text;
    }
    return list;
}

// Makes the first folder root\N that does not exist yet, so that two installers running at once
// never share one.
std::string makeFreeFolder(const std::string& root) {
    std::error_code error;
    fs::create_directories(package::filePath(root), error);
    for (int number = 1;; ++number) {
        const std::string folder = package::namedPath(root, std::to_string(number));
        if (CreateDirectoryW(widen(folder).c_str(), nullptr)) return folder;
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            throw InstallError(trf("无法建立文件夹：%1", {folder}));
        }
    }
}

// The show is written twice on this disk (here, then in the installed folder), the installer
// once more: refused before anything is written when that does not fit.
void checkRoom(const package::ShowFileIndex& index, const std::string& folder) {
    std::uint64_t show = 0;
    for (const package::StoredFile& file : index.files) show += file.size;
    const std::uint64_t needed = 2 * show + 2 * index.stubSize;
    ULARGE_INTEGER available{};
    if (GetDiskFreeSpaceExW(widen(folder).c_str(), &available, nullptr, nullptr) &&
        available.QuadPart < needed) {
        throw InstallError(trf("磁盘空间不够：安装需要 %1 MB，这里只剩 %2 MB：%3",
                               {std::to_string((needed + kMegabyte - 1) / kMegabyte),
                                std::to_string(available.QuadPart / kMegabyte), folder}));
    }
}

// Where the program's own image ends in its file: after its last section, its symbols (a program
// not stripped) or its signature, whichever comes last; 0 for a file that is no PE image. Bytes
// beyond it were appended: a show, whole or cut short.
std::uint64_t imageEnd(std::istream& in) {
    auto number = [&in](std::uint64_t at, int bytes) {
        unsigned char read[4] = {};
        in.seekg(static_cast<std::streamoff>(at));
        in.read(reinterpret_cast<char*>(read), bytes);
        std::uint64_t value = 0;
        for (int i = bytes - 1; i >= 0; --i) value = value << 8 | read[i];
        return value;
    };
    const std::uint64_t pe = number(0x3C, 4);
    if (number(0, 2) != 0x5A4D || number(pe, 4) != 0x4550 || !in) return 0;
    const std::uint64_t options = pe + 24;
    std::uint64_t end = 0;
    const std::uint64_t sections = options + number(pe + 20, 2);
    for (std::uint64_t i = 0; i < number(pe + 6, 2); ++i) {
        end = std::max(end, number(sections + 40 * i + 20, 4) + number(sections + 40 * i + 16, 4));
    }
    if (const std::uint64_t symbols = number(pe + 12, 4)) {
        const std::uint64_t strings = symbols + 18 * number(pe + 16, 4);
        end = std::max(end, strings + number(strings, 4));
    }
    // The certificate table, the fifth data directory, is named by its place in the file.
    const bool wide = number(options, 2) == 0x20B;
    const std::uint64_t directories = options + (wide ? 112 : 96);
    if (number(options + (wide ? 108 : 92), 4) > 4) {
        end = std::max(end, number(directories + 32, 4) + number(directories + 36, 4));
    }
    return in ? end : 0;
}

// A file that could not be read or written while unpacking, in the user's terms.
InstallError unpackingFailure(const package::FileError& failure, const std::string& showFile) {
    if (failure.path() == showFile) return InstallError(trf("无法读取文件：%1", {showFile}));
    return InstallError(
        trf("安装没有完成：无法写入文件（磁盘可能已满，或文件夹不能写入）：%1", {failure.path()}));
}

}  // namespace

bool carriesShow(const std::string& path) {
    std::ifstream in(package::filePath(path), std::ios::binary);
    const std::uint64_t size = in.seekg(0, std::ios::end) ? std::uint64_t(in.tellg()) : 0;
    char magic[sizeof kMagic] = {};
    if (size >= package::kShowTrailerSize &&
        in.seekg(static_cast<std::streamoff>(size - package::kShowTrailerSize)) &&
        in.read(magic, sizeof magic) && std::memcmp(magic, kMagic, sizeof kMagic) == 0) {
        return true;
    }
    in.clear();
    const std::uint64_t end = imageEnd(in);
    return end != 0 && size > end;
}

void convertListsToCodePage(const std::string& folder) {
    struct List {
        const char* name;
        bool namesFiles;
    };
    std::vector<std::pair<std::string, std::string>> converted;
    for (const List list : {List{"pb.dat", true}, List{"ms.dat", true}, List{"timu.dat", false}}) {
        const std::string path = package::namedPath(folder, list.name);
        std::error_code error;
        if (!fs::is_regular_file(package::filePath(path), error)) continue;
        // Quotes and line ends are the same bytes in every ANSI code page: the list converts
        // whole. A list that is not UTF-8 was written by an older program in GBK and is read so.
        const std::string text = package::displayText(readAll(path));
        if (list.namesFiles && !package::listCanHold(text)) {
            throw InstallError(
                trf("屏幕保护程序里有文件名含有这台电脑的系统代码页无法表示的字符，无法安装：%1",
                    {firstUnlistable(text)}));
        }
        converted.emplace_back(path, package::toListText(text));
    }
    for (const auto& [path, bytes] : converted) writeAll(path, bytes);
}

StagedShow::StagedShow(const std::string& showFile, const std::string& incomingRoot) {
    package::ShowFileIndex index;
    try {
        index = package::readShowFile(showFile);
    } catch (const package::FileError& failure) {
        throw unpackingFailure(failure, showFile);
    }
    m_folder = makeFreeFolder(incomingRoot);
    m_package = package::namedPath(m_folder, "show");
    m_installer = package::namedPath(m_folder, "uninstall.exe");
    try {
        checkRoom(index, m_folder);
        if (!CreateDirectoryW(widen(m_package).c_str(), nullptr)) {
            throw InstallError(trf("无法建立文件夹：%1", {m_package}));
        }
        package::extractShowFile(showFile, index, m_package);
        package::copyStub(showFile, index.stubSize, m_installer);
        convertListsToCodePage(m_package);
    } catch (const package::FileError& failure) {
        removeFolder();
        throw unpackingFailure(failure, showFile);
    } catch (...) {
        removeFolder();
        throw;
    }
}

StagedShow::~StagedShow() {
    removeFolder();
}

void StagedShow::removeFolder() {
    std::error_code error;
    fs::remove_all(package::filePath(m_folder), error);
}

}  // namespace glint::installer::win32
