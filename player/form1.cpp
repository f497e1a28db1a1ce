#include "player/form1.h"

#include "package/paths.h"
#include "package/quoted_list.h"
#include "platform/image.h"

namespace glint::player {
namespace {
constexpr int kMoveTimerIntervalMs = 1;
constexpr int kCycleIntervalMs = 200;
}  // namespace

Form1::Form1(platform::Services& services)
    : Form("Form1", "glintsaver"),
      Picture1("Picture1"),
      Label1("Label1", "Label1"),
      Label2("Label2", "-1"),
      Label3("Label3", "Label3", &services.textMetrics),
      Timer1(services.timers, "Timer1", kCycleIntervalMs, true),
      Timermove7(services.timers, "Timermove7", kMoveTimerIntervalMs, false),
      Timermove8(services.timers, "Timermove8", kMoveTimerIntervalMs, false),
      Timermove9(services.timers, "Timermove9", kMoveTimerIntervalMs, false),
      Timermove10(services.timers, "Timermove10", kMoveTimerIntervalMs, false),
      MediaPlayer1(services.media),
      m_services(services),
      m_stage{Picture1,   Timer1,    Timermove7,      Timermove8,      Timermove9,
              Timermove10, surface(), services.events, services.screen,
              [this](std::int16_t& dtime) { delay(dtime); }} {
    // The system colour for menu text.
    setBackColor(platform::rgb(0, 0, 0));
    Picture1.setVisible(false);
    Label1.setVisible(false);
    Label2.setVisible(false);
    Label3.setForeColor(platform::rgb(255, 255, 0));
    Label3.setTransparent(true);
    // Windowless labels lie under the picture box.
    addControl(Label1);
    addControl(Label2);
    addControl(Label3);
    addControl(Picture1);

    onLoad = [this] { Form_Load(); };
    onClick = [this] { Form_Click(); };
    onDblClick = [this] { Form_DblClick(); };
    onKeyDown = [this](const platform::KeyEvent& e) { Form_KeyDown(e); };
    onMouseMove = [this](const platform::MouseEvent& e) { Form_MouseMove(e); };
    Picture1.onClick = [this] { Picture1_Click(); };
    Picture1.onKeyDown = [this](const platform::KeyEvent& e) { Picture1_KeyDown(e); };
    // Movement over the picture box is ignored: Picture1 has no mouse-move handler.
    Timer1.onTick = [this] { Timer1_Timer(); };
    Timermove7.onTick = [this] { effects::Timermove7_Timer(m_stage); };
    Timermove8.onTick = [this] { effects::Timermove8_Timer(m_stage); };
    Timermove9.onTick = [this] { effects::Timermove9_Timer(m_stage); };
    Timermove10.onTick = [this] { effects::Timermove10_Timer(m_stage); };
}

std::string Form1::ownPath(const char* literal) const {
    return package::ownFolderPath(m_services.ownFolder, literal);
}

void Form1::Form_Load() {
    setBorderless(true);
    setMaximized(true);
    const std::string music = package::lastQuotedText(ownPath("\\ms.dat"));
    const std::string musicSwitch = package::lastQuotedText(ownPath("\\kg.ini"));
    if (musicSwitch == "1") {
        MediaPlayer1.setFileName(package::namedPath(m_services.ownFolder, music));
        MediaPlayer1.play();
    }
    Label3.setCaption(package::lastQuotedText(ownPath("\\timu.dat")));
    m_services.cursor.showCursor(false);
    const platform::Screen& screen = m_services.screen;
    Label3.setLeft(screen.widthTwips() - Label3.width());
    Label3.setTop(0);
    Label1.setCaption("0");
    diaowenjian();
    Picture1.setVisible(false);
    Picture1.setScaleModePixels(true);
    Picture1.setLeft((screen.widthTwips() - Picture1.width()) / 2);
    Picture1.setTop((screen.heightTwips() - Picture1.height()) / 2);
}

}  // namespace glint::player
