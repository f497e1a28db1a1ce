// A picture larger than the screen, which the player shows clipped: the user is asked whether to
// add a copy fitted to the screen instead. A picture the player cannot read (it reads BMP, JPEG
// and PNG) is added as a JPEG copy without asking: fitted when the user wants it so, otherwise
// at its own size. A copy is written into the package folder, where the build finds it and keeps
// it and a new project removes it; the user's own file is never touched.

#include <algorithm>
#include <array>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "maker/form_main.h"
#include "maker/messages.h"
#include "maker/package_names.h"
#include "package/paths.h"

namespace glint::maker {
namespace {

std::string sizeText(platform::PixelSize size) {
    return std::to_string(size.width) + " × " + std::to_string(size.height);
}

platform::PixelSize sizeOf(const platform::Image& picture) {
    return {picture.width(), picture.height()};
}

// The extensions of the formats the player reads, for a file whose format the loader could not
// tell.
constexpr std::array<std::string_view, 4> kPlayersExtensions = {"bmp", "jpg", "jpeg", "png"};

bool playerReads(platform::PictureFormat format, const std::string& path) {
    switch (format) {
        case platform::PictureFormat::Bmp:
        case platform::PictureFormat::Jpeg:
        case platform::PictureFormat::Png:
            return true;
        case platform::PictureFormat::Other:
            return false;
        case platform::PictureFormat::Unknown:
            break;
    }
    const std::string name = package::bareFileName(path);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) return false;
    std::string extension = name.substr(dot + 1);
    for (char& c : extension) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return std::find(kPlayersExtensions.begin(), kPlayersExtensions.end(), extension) !=
           kPlayersExtensions.end();
}

}  // namespace

std::string FormMain::pictureToList(const std::string& chosen, platform::PictureFormat format) {
    const platform::PixelSize size = sizeOf(Image1.picture());
    // Without a screen to measure (none reported) there is nothing to fit to.
    const platform::PixelSize screen = m_fitting.screenDevicePixels();
    if (screen.width > 0 && screen.height > 0 && platform::largerThan(size, screen) &&
        wantsFittedCopy(chosen, screen)) {
        return addJpegCopy(chosen, platform::fittedInside(size, screen));
    }
    return playerReads(format, chosen) ? chosen : addJpegCopy(chosen, size);
}

bool FormMain::wantsFittedCopy(const std::string& chosen, platform::PixelSize screen) {
    if (m_fitForRest) return *m_fitForRest;
    const platform::QuestionAnswer answer = m_desktop.ask(
        *this, {trf("图片“%1”有 %2 像素，比屏幕的 %3 像素大：放映时只显示它中间的一部分。\n\n"
                    "要改为加入一份缩小到屏幕大小的副本吗？副本存放在“制作好的屏幕程序”文件夹中，"
                    "原来的图片不会改动。",
                    {package::bareFileName(chosen), sizeText(sizeOf(Image1.picture())),
                     sizeText(screen)}),
                tr("缩小到屏幕大小"), tr("保持原样"), tr("本次运行中其余的大图片也这样处理")});
    if (answer.checked) m_fitForRest = answer.defaultChosen;
    return answer.defaultChosen;
}

std::string FormMain::addJpegCopy(const std::string& chosen, platform::PixelSize size) {
    const std::string folder = ownPath(kPackageFolderLiteral);
    // Anything of that name in the folder takes it, a link too. A name that cannot be looked at
    // is left to the write, which then says so.
    const std::string name = fittedCopyName(chosen, [&folder](const std::string& candidate) {
        std::error_code error;
        const auto type = std::filesystem::symlink_status(
                              package::filePath(package::namedPath(folder, candidate)), error)
                              .type();
        return type != std::filesystem::file_type::not_found &&
               type != std::filesystem::file_type::none;
    });
    const std::string copy = package::namedPath(folder, name);
    if (refuseUnlistablePath(copy)) {
        Image1.setPicture(platform::Image());
        return "";
    }
    try {
        m_fitting.writeFittedCopy(Image1.picture(), size, copy);
    } catch (const std::exception&) {
        Image1.setPicture(platform::Image());
        report(trf("无法写入缩小的图片：%1", {copy}));
        return "";
    }
    // The preview shows the copy as it was written; the picture it was made of goes first.
    Image1.setPicture(platform::Image());
    try {
        Image1.setPicture(m_services.pictures.load(copy));
    } catch (const std::exception&) {
        report(trf("无法读取图片：%1", {copy}));
        return "";
    }
    return copy;
}

}  // namespace glint::maker
