// Steps 1 and 2 of the work panel: each click lets the user choose one file and appends its full
// path to a working list in the package folder.

#include <exception>
#include <utility>

#include "maker/form_main.h"
#include "maker/messages.h"
#include "package/file_error.h"
#include "package/list_text.h"
#include "package/quoted_list.h"

namespace glint::maker {
namespace {

constexpr const char* kPictureFilter =
    N_("图片(*.bmp)|*.bmp|图片(*.jpg)|*.jpg|图片(*.jpeg)|*.jpeg|所有文件(*.*)|*.*");
constexpr const char* kMusicFilter =
    N_("音乐(*.mp3)|*.mp3|音乐(*.wma)|*.wma|音乐(*.wav)|*.wav|所有文件(*.*)|*.*");

}  // namespace

void FormMain::report(const std::string& text) {
    if (m_dropProblems) {
        m_dropProblems->push_back(text);
    } else {
        m_desktop.showMessage(*this, text);
    }
}

// A list line cannot hold a line break: such a path could not be read back as one entry. Nor can
// a list hold a character its code page lacks: the player would look for another file.
bool FormMain::refuseUnlistablePath(const std::string& path) {
    if (path.find_first_of("\r\n") != std::string::npos) {
        report(trf("文件名中含有换行符，无法加入列表：%1", {path}));
        return true;
    }
    if (!package::listCanHold(path)) {
        report(trf("文件名中含有系统代码页无法表示的字符，无法加入列表：%1", {path}));
        return true;
    }
    return false;
}

bool FormMain::appendToList(const std::string& listLiteral, const std::string& path) {
    const std::string list = ownPath(listLiteral);
    try {
        package::appendQuotedLine(list, path);
        return true;
    } catch (const package::FileError&) {
        report(trf("无法写入列表文件：%1", {list}));
        return false;
    }
}

FormMain::Addition FormMain::addPicture(const std::string& chosen) {
    // A choice that cannot be listed or shown leaves the preview empty.
    Image1.setPicture(platform::Image());
    if (refuseUnlistablePath(chosen)) return Addition::NotAdded;
    platform::PictureFormat format = platform::PictureFormat::Unknown;
    try {
        platform::LoadedPicture loaded = m_services.pictures.loadWithFormat(chosen);
        format = loaded.format;
        Image1.setPicture(std::move(loaded.picture));
    } catch (const std::exception&) {
        report(trf("无法读取图片：%1", {chosen}));
        return Addition::NotAdded;
    }
    const std::string listed = pictureToList(chosen, format);
    if (listed.empty()) return Addition::NotAdded;
    if (!appendToList(std::string(kPackageFolderLiteral) + "\\dsi.ini", listed)) {
        return Addition::ListNotWritten;
    }
    m_lastListedPicture = listed;
    return Addition::Added;
}

FormMain::Addition FormMain::addMusic(const std::string& chosen) {
    if (refuseUnlistablePath(chosen)) return Addition::NotAdded;
    return appendToList(std::string(kPackageFolderLiteral) + "\\mus_dsi.ini", chosen)
               ? Addition::Added
               : Addition::ListNotWritten;
}

void FormMain::Picture1_Click() {
    returnToNormal(Picture1);
    CommonDialog1.Filter = tr(kPictureFilter);
    CommonDialog1.ShowOpen();
    const std::string chosen = CommonDialog1.FileName;
    CommonDialog1.FileName = "";
    // A cancel empties the preview.
    Image1.setPicture(platform::Image());
    if (!chosen.empty()) addPicture(chosen);
}

void FormMain::Picture2_Click() {
    returnToNormal(Picture2);
    CommonDialog1.Filter = tr(kMusicFilter);
    CommonDialog1.ShowOpen();
    const std::string chosen = CommonDialog1.FileName;
    CommonDialog1.FileName = "";
    if (!chosen.empty()) addMusic(chosen);
}

}  // namespace glint::maker
