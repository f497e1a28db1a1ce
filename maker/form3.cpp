#include "maker/form3.h"

#include <exception>
#include <filesystem>
#include <vector>

#include "maker/dialog_layout.h"
#include "maker/messages.h"
#include "maker/package_names.h"
#include "maker/single_files.h"
#include "maker/vendor.h"
#include "package/paths.h"
#include "package/quoted_list.h"

namespace glint::maker {

Form3::Form3(platform::Services& services, platform::Desktop& desktop, platform::Files& files)
    : Form("Form3", tr("生成屏幕保护程序：")),
      Frame("Frame", ""),
      Label2("Label2", tr("请按顺序操作："), &services.textMetrics),
      Frame2("Frame2", tr("制作人留言：(是放在屏幕的最右上角)")),
      Label3("Label3", tr("修改："), &services.textMetrics),
      Text1("Text1", kVendorAddress),
      Command1("Command1", tr("1、确定")),
      Label1("Label1", ">>>", &services.textMetrics),
      Command3("Command3", tr("2、预览效果")),
      Label4("Label4", ">>>", &services.textMetrics),
      Command2("Command2", tr("3、生成程序")),
      Command4("Command4", tr("取消")),
      m_services(services),
      m_desktop(desktop),
      m_files(files) {
    setBackColor(kDialogBackColor);
    setClientSize(twipsToPixels(5700), twipsToPixels(3450));
    placeAt(Frame, nullptr, 120, 0);
    Frame.setPixelSize(twipsToPixels(5415), twipsToPixels(3255));
    placeAt(Label2, &Frame, 240, 240);
    placeAt(Frame2, &Frame, 240, 720);
    Frame2.setPixelSize(twipsToPixels(4935), twipsToPixels(1095));
    placeAt(Label3, &Frame2, 120, 600);
    placeAt(Text1, &Frame2, 720, 480);
    Text1.setPixelSize(twipsToPixels(4095), twipsToPixels(375));
    Text1.setFont({"SimSun", 10.5f});
    const struct {
        platform::CommandButton& button;
        float left;
        float top;
        float width;
    } buttons[] = {{Command1, 120, 2040, 1335},
                   {Command3, 2040, 2040, 1335},
                   {Command2, 3840, 2040, 1455},
                   {Command4, 2040, 2760, 1215}};
    for (const auto& b : buttons) {
        placeAt(b.button, &Frame, b.left, b.top);
        b.button.setPixelSize(twipsToPixels(b.width), twipsToPixels(375));
    }
    placeAt(Label1, &Frame, 1680, 2160);
    placeAt(Label4, &Frame, 3480, 2160);
    for (platform::Label* label : {&Label2, &Label3, &Label1, &Label4}) label->setTransparent(true);

    for (platform::Control* c : std::initializer_list<platform::Control*>{
             &Frame, &Label2, &Frame2, &Label3, &Text1, &Command1, &Label1, &Command3, &Label4,
             &Command2, &Command4}) {
        addControl(*c);
    }
    setFocusedControl(&Command1);

    onLoad = [this] { Form_Load(); };
    Command1.onClick = [this] { Command1_Click(); };
    Command3.onClick = [this] { Command3_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    Command4.onClick = [this] { Command4_Click(); };
}

std::string Form3::packagePath(const std::string& name) const {
    return package::namedPath(
        package::ownFolderPath(m_services.ownFolder, kPackageFolderLiteral), name);
}

void Form3::Form_Load() { centreOnScreen(*this, m_services.screen); }

// Each listed file: its name appended to the player's list, then the file copied in under it.
void Form3::copyListed(const std::string& workingList, const std::string& playerList,
                       PackageNames& names) {
    for (const std::string& source : package::readQuotedTexts(packagePath(workingList))) {
        const std::string name = names.nameFor(source);
        package::appendQuotedLine(packagePath(playerList), name);
        m_files.copyFile(source, packagePath(name));
    }
}

// A listed file that already lies in the package folder under its own name is its own copy: it
// keeps that name, so that no other listed file of that name is copied over it. Lists that cannot
// be read are left to the build, which reports them where it meets them.
void Form3::keepOwnCopies(PackageNames& names) const {
    for (const char* workingList : {"dsi.ini", "mus_dsi.ini"}) {
        std::vector<std::string> sources;
        try {
            sources = package::readQuotedTexts(packagePath(workingList));
        } catch (const std::exception&) {
            continue;
        }
        for (const std::string& source : sources) {
            std::error_code error;
            if (std::filesystem::is_regular_file(source, error) &&
                std::filesystem::equivalent(source, packagePath(package::bareFileName(source)),
                                            error)) {
                names.nameFor(source);
            }
        }
    }
}

void Form3::build() {
    PackageNames names;
    keepOwnCopies(names);
    copyListed("dsi.ini", "pb.dat", names);
    copyListed("mus_dsi.ini", "ms.dat", names);
    m_files.copyFile(package::ownFolderPath(m_services.ownFolder, "\\pb.sys"), packagePath("pb.cc"));
    package::appendQuotedLine(packagePath("kg.ini"), "1");
    package::appendQuotedLine(packagePath("timu.dat"), Text1.text());
    Command1.setCaption(tr("成功！"));
}

// A failure stops the build where it is; what was written before it stays. Single files written
// before would hold an older show than the folder's, so they go first.
void Form3::Command1_Click() {
    removeSingleFiles(m_services.ownFolder);
    try {
        build();
    } catch (const std::exception&) {
        m_desktop.showMessage(*this, tr(kFileNotFoundMessage));
    }
}

void Form3::Command3_Click() {
    try {
        m_desktop.startProgram(packagePath("pb.cc"));
    } catch (const std::exception&) {
        m_desktop.showMessage(*this, tr(kFileNotFoundMessage));
    }
}

void Form3::Command2_Click() {
    try {
        m_files.copyFile(package::ownFolderPath(m_services.ownFolder, "\\sp.sys"),
                         packagePath("setup.exe"));
        Command2.setCaption(tr("程序生成成功！"));
    } catch (const std::exception&) {
        m_desktop.showMessage(*this, tr(kFileNotFoundMessage));
        return;
    }
    // The installer is in place whatever becomes of the single files; the message says what did.
    const std::string problem = writeSingleFiles(m_files, m_services.ownFolder);
    if (!problem.empty()) m_desktop.showMessage(*this, problem);
}

void Form3::Command4_Click() { close(); }

}  // namespace glint::maker
