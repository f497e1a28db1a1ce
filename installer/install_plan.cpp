#include "installer/install_plan.h"

#include <filesystem>
#include <set>

#include "package/paths.h"
#include "package/quoted_list.h"
#include "package/text_encoding.h"

namespace glint::installer {
namespace {

// The player and the files it reads; the working lists and the installer stay behind.
constexpr const char* kPackageFiles[] = {"pb.cc", "pb.dat", "ms.dat", "kg.ini", "timu.dat"};

}  // namespace

bool isPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\:") == std::string::npos;
}

InstallPlan planInstall(const std::string& packageFolder) {
    InstallPlan plan;
    std::set<std::string> seen;
    auto add = [&](const std::string& name) {
        if (!isPlainName(name)) {
            throw InstallError(language::trf("屏幕保护程序的列表里有无效的文件名：%1", {name}));
        }
        const std::string path = package::namedPath(packageFolder, name);
        std::error_code error;
        if (!std::filesystem::is_regular_file(package::filePath(path), error)) {
            throw InstallError(language::trf("缺少文件：%1", {path}));
        }
        if (seen.insert(name).second) plan.files.push_back(name);
    };
    try {
        for (const char* name : kPackageFiles) add(name);
        for (const std::string& name :
             package::readQuotedTexts(package::namedPath(packageFolder, "pb.dat"))) {
            add(name);
        }
        // Only the last music file is ever played, and only when the switch says "1".
        const std::string music =
            package::lastQuotedText(package::namedPath(packageFolder, "ms.dat"));
        if (package::lastQuotedText(package::namedPath(packageFolder, "kg.ini")) == "1") {
            add(music);
        }
        plan.caption = package::displayText(
            package::lastQuotedText(package::namedPath(packageFolder, "timu.dat")));
    } catch (const InstallError&) {
        throw;
    } catch (const std::exception& failure) {
        throw InstallError(language::trf("无法读取屏幕保护程序：%1", {failure.what()}));
    }
    return plan;
}

}  // namespace glint::installer
