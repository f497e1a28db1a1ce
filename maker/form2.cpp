#include "maker/form2.h"

#include "maker/dialog_layout.h"
#include "maker/messages.h"
#include "package/paths.h"

namespace glint::maker {

Form2::Form2(platform::Services& services, platform::Desktop& desktop, platform::Files& files)
    : Form("Form2", tr("屏幕保护制作")),
      Frame1("Frame1", ""),
      Image1("Image1"),
      Label2("Label2", tr("选择《确定》后可以进行《加入选择图片》步骤了！")),
      Label1("Label1", tr("要进行新的屏幕保护制作吗？"), &services.textMetrics),
      Command1("Command1", tr("确定")),
      Command2("Command2", tr("取消")),
      m_services(services),
      m_files(files) {
    setBackColor(kDialogBackColor);
    setClientSize(twipsToPixels(4140), twipsToPixels(2265));
    placeAt(Frame1, nullptr, 120, 0);
    Frame1.setPixelSize(twipsToPixels(3855), twipsToPixels(2175));
    placeAt(Image1, &Frame1, 120, 240);
    Image1.setPixelSize(32, 32);
    Image1.setPicture(desktop.builtInPicture("question.png"));
    placeAt(Label2, &Frame1, 720, 360);
    Label2.setPixelSize(twipsToPixels(2985), twipsToPixels(345));
    placeAt(Label1, &Frame1, 840, 1080);
    Label1.setTransparent(true);
    placeAt(Command1, &Frame1, 840, 1560);
    placeAt(Command2, &Frame1, 2280, 1560);
    for (platform::CommandButton* button : {&Command1, &Command2}) {
        button->setPixelSize(twipsToPixels(735), twipsToPixels(375));
    }
    for (platform::Control* c : std::initializer_list<platform::Control*>{
             &Frame1, &Image1, &Label2, &Label1, &Command1, &Command2}) {
        addControl(*c);
    }
    // The first button holds the focus, so Enter confirms; neither button answers Escape.
    setFocusedControl(&Command1);

    onLoad = [this] { Form_Load(); };
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
}

void Form2::Form_Load() { centreOnScreen(*this, m_services.screen); }

// Every failure is passed over: the folder may be missing or empty, a file may be held open.
void Form2::Command1_Click() {
    m_files.deleteFilesIn(package::ownFolderPath(m_services.ownFolder, kPackageFolderLiteral));
    close();
}

void Form2::Command2_Click() { close(); }

}  // namespace glint::maker
