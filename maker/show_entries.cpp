#include "maker/show_entries.h"

#include <exception>
#include <map>

#include "maker/messages.h"
#include "package/paths.h"
#include "package/quoted_list.h"

namespace glint::maker {
namespace {

// The player's lists. The build copies pb.cc after the lists of names and writes kg.ini and
// timu.dat last, so a package lacking any of these has no finished build.
constexpr const char* kLists[] = {"pb.dat", "ms.dat", "kg.ini", "timu.dat"};
constexpr const char* kNamingLists[] = {"pb.dat", "ms.dat"};

// readQuotedTexts gives the programs' own text, which is UTF-8 inside a single file.
std::string quotedLines(const std::vector<std::string>& texts) {
    std::string bytes;
    for (const std::string& text : texts) bytes += '"' + text + "\"\r\n";
    return bytes;
}

// Windows, where the show may be installed, takes names that differ in ASCII case alone for one.
std::string folded(std::string name) {
    for (char& c : name) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return name;
}

std::string quotedName(const std::string& name) {
    return "“" + name + "”";
}

}  // namespace

std::vector<package::ShowEntry> showEntries(platform::Files& files,
                                            const std::string& packageFolder) {
    const auto path = [&](const std::string& name) {
        return package::namedPath(packageFolder, name);
    };
    if (files.kindOf(path("pb.cc")) == platform::EntryKind::Missing) {
        throw ShowNotReady(tr(kSingleFilesNeedBuildMessage));
    }
    std::vector<package::ShowEntry> entries;
    std::map<std::string, std::string> nameOf{{"pb.cc", "pb.cc"}};  // folded -> stored name
    std::map<std::string, std::vector<std::string>> textsOf;
    for (const std::string list : kLists) {
        if (files.kindOf(path(list)) == platform::EntryKind::Missing) {
            throw ShowNotReady(tr(kSingleFilesNeedBuildMessage));
        }
        try {
            textsOf[list] = package::readQuotedTexts(path(list));
        } catch (const std::exception&) {
            throw ShowNotReady(tr(kSingleFilesNotMade) +
                               trf("读不出作品文件夹里的%1。", {quotedName(list)}));
        }
        entries.push_back({list, "", quotedLines(textsOf[list])});
        nameOf[list] = list;
    }
    for (const char* list : kNamingLists) {
        for (const std::string& name : textsOf[list]) {
            if (!package::isStorableName(name)) {
                throw ShowNotReady(
                    tr(kSingleFilesNotMade) +
                    trf("文件名%1在 Windows 上不能用，请给这个文件改名后重新加入。",
                        {quotedName(name)}));
            }
            const auto [stored, added] = nameOf.try_emplace(folded(name), name);
            if (!added && stored->second == name) continue;  // listed again: stored once
            if (!added) {
                throw ShowNotReady(tr(kSingleFilesNotMade) +
                                   trf("%1和%2只差大小写，在 Windows 上是同一个文件，"
                                       "请给其中一个改名后重新加入。",
                                       {quotedName(stored->second), quotedName(name)}));
            }
            if (files.kindOf(path(name)) != platform::EntryKind::File) {
                throw ShowNotReady(tr(kSingleFilesNotMade) +
                                   trf("作品文件夹里缺少%1，请再点一次“1、确定”。",
                                       {quotedName(name)}));
            }
            entries.push_back({name, path(name), std::nullopt});
        }
    }
    return entries;
}

}  // namespace glint::maker
