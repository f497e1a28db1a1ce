#include "maker/form_main.h"

#include "package/paths.h"
#include "maker/messages.h"
#include "maker/vendor.h"

namespace glint::maker {
namespace {

constexpr int kClientWidth = 701;
constexpr int kClientHeight = 407;

// Places a control at a position given in twips; its size follows its picture or text.
void place(platform::Control& control, float left, float top) {
    control.setLeft(left);
    control.setTop(top);
}

}  // namespace

FormMain::FormMain(platform::Services& services, platform::Desktop& desktop, platform::Files& files,
                   platform::PictureFitting& fitting)
    : Form("FormMain", "Glint"),
      Pic_guan("Pic_guan", platform::PictureBox::Border::None),
      Pic_zuixiao("Pic_zuixiao", platform::PictureBox::Border::None),
      Pic_shiji("Pic_shiji", platform::PictureBox::Border::None),
      Picture1("Picture1", platform::PictureBox::Border::None),
      Picture2("Picture2", platform::PictureBox::Border::None),
      Picture3("Picture3", platform::PictureBox::Border::None),
      Picture4("Picture4", platform::PictureBox::Border::None),
      Picture5("Picture5", platform::PictureBox::Border::None),
      Image1("Image1"),
      Label1("Label1", tr("图片预览"), &services.textMetrics),
      Label3("Label3", "V1.0", &services.textMetrics),
      Label4("Label4", kVendorAddress, &services.textMetrics),
      CommonDialog1(desktop, *this),
      m_services(services),
      m_desktop(desktop),
      m_files(files),
      m_fitting(fitting) {
    setBackColor(platform::rgb(0, 0, 0));
    setBorderless(true);
    setClientSize(kClientWidth, kClientHeight);
    setPicture(desktop.builtInPicture(artworkName("background.jpg")));

    const struct {
        platform::PictureBox& box;
        const char* builtIn;
        float left;
        float top;
    } buttons[] = {
        {Pic_guan, "guan_1.jpg", 9980, 200},   {Pic_zuixiao, "zuixiao_1.jpg", 9710, 200},
        {Pic_shiji, "shiji.jpg", 9720, 600},   {Picture5, "005_1.jpg", 7320, 800},
        {Picture1, "001_1.jpg", 4080, 1920},   {Picture2, "002_1.jpg", 4080, 2800},
        {Picture3, "003_1.jpg", 4080, 3680},   {Picture4, "004_1.jpg", 4080, 4560},
    };
    for (const auto& b : buttons) {
        b.box.setPicture(desktop.builtInPicture(artworkName(b.builtIn)));
        place(b.box, b.left, b.top);
    }
    for (platform::PictureBox* box : {&Pic_shiji, &Picture1, &Picture2, &Picture3, &Picture4,
                                      &Picture5}) {
        box->setMousePointer(platform::MousePointer::Hand);
    }

    place(Image1, 120, 1860);
    Image1.setPixelSize(153, 204);
    Image1.setPicture(desktop.builtInPicture("sample_photo.jpg"));
    const platform::Rgb yellow = platform::rgb(255, 255, 0);
    for (auto [label, color, left, top] :
         {std::tuple{&Label1, yellow, 840.f, 5040.f},
          std::tuple{&Label3, platform::rgb(192, 192, 192), 3840.f, 1080.f},
          std::tuple{&Label4, yellow, 600.f, 1560.f}}) {
        label->setForeColor(color);
        label->setTransparent(true);
        place(*label, left, top);
    }

    for (platform::Control* c : std::initializer_list<platform::Control*>{
             &Image1, &Label1, &Label3, &Label4, &Pic_guan, &Pic_zuixiao, &Pic_shiji, &Picture5,
             &Picture1, &Picture2, &Picture3, &Picture4}) {
        addControl(*c);
    }

    menu_设定 = {"menu_设定",
                 tr("设定"),
                 {{"menu_软件帮助", tr("软件帮助"), [this] { menu_软件帮助_Click(); }},
                  {"menu_4", "-", nullptr},
                  {"menu_访问软件网站", tr("访问软件网站"), [this] { menu_访问软件网站_Click(); }},
                  {"menu_3", "-", nullptr},
                  {"menu_自动升级", tr("自动升级"), nullptr}}};

    onLoad = [this] { Form_Load(); };
    onMouseDown = [this](const platform::MouseEvent& e) { Form_MouseDown(e); };
    onMouseMove = [this](const platform::MouseEvent& e) { Form_MouseMove(e); };
    onDropFiles = [this](const std::vector<std::string>& paths) { Form_DropFiles(paths); };
    for (platform::PictureBox* box : {&Pic_guan, &Pic_zuixiao, &Picture1, &Picture2, &Picture3,
                                      &Picture4, &Picture5}) {
        box->onMouseMove = [this, box](const platform::MouseEvent& e) { hover(*box, e); };
    }
    Pic_guan.onClick = [this] { Pic_guan_Click(); };
    Pic_zuixiao.onClick = [this] { Pic_zuixiao_Click(); };
    Pic_shiji.onClick = [this] { Pic_shiji_Click(); };
    Picture1.onClick = [this] { Picture1_Click(); };
    Picture2.onClick = [this] { Picture2_Click(); };
    Picture3.onClick = [this] { Picture3_Click(); };
    Picture4.onClick = [this] { Picture4_Click(); };
    Picture5.onClick = [this] { Picture5_Click(); };
}

std::string FormMain::ownPath(const std::string& literal) const {
    return package::ownFolderPath(m_services.ownFolder, literal);
}

void FormMain::Form_Load() {
    const platform::Screen& screen = m_services.screen;
    setLeft(screen.widthTwips() / 2 - width() / 2);
    setTop(screen.heightTwips() / 2 - height() / 2);
}

void FormMain::Form_MouseDown(const platform::MouseEvent& event) {
    m_pressX = event.x;
    m_pressY = event.y;
}

// The window moves by the pointer's distance from the press point, so the pointer stands at the
// press point again after each step and the window follows it without drift.
void FormMain::Form_MouseMove(const platform::MouseEvent& event) {
    if ((event.button & platform::kLeftButton) == 0) return;
    const float dx = event.x - m_pressX;
    const float dy = event.y - m_pressY;
    setLeft(left() + dx);
    setTop(top() + dy);
}

void FormMain::Pic_guan_Click() {
    returnToNormal(Pic_guan);
    m_services.process.endProgram();
}

void FormMain::Pic_zuixiao_Click() {
    returnToNormal(Pic_zuixiao);
    setMinimized(true);
}

void FormMain::Pic_shiji_Click() {
    const int chosen = m_desktop.showPopupMenu(*this, menu_设定.captions());
    if (chosen < 0 || chosen >= static_cast<int>(menu_设定.items.size())) return;
    const auto& action = menu_设定.items[static_cast<std::size_t>(chosen)].onClick;
    if (action) action();
}

// The help page in the language of the window: pb.htm, or beside it the English pb_en.htm.
void FormMain::menu_软件帮助_Click() {
    m_desktop.openDocument(ownPath(language::inChinese() ? "/pb.htm" : "/pb_en.htm"));
}

void FormMain::menu_访问软件网站_Click() { m_desktop.openDocument(kVendorAddress); }

}  // namespace glint::maker
