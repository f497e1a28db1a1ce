#pragma once

#include <QObject>
#include <QWidget>
#include <memory>
#include <vector>

#include "platform/input_events.h"

class QScreen;

namespace glint::platform::qt {

class FormWindow;

// A black window over one monitor, above everything, with the pointer hidden. Whatever the user
// does over it goes to the show's window as input over the show.
class CoverWindow : public QWidget {
public:
    CoverWindow(FormWindow& show, QScreen& screen);
    QScreen& coveredScreen() const { return m_screen; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void mouse(const QMouseEvent& event, RawMouse::Kind kind);

    FormWindow& m_show;
    QScreen& m_screen;
};

// Every monitor but the show's covered for as long as the show runs: monitors that come later get
// a cover, monitors that go lose theirs.
class MonitorCovers : public QObject {
public:
    explicit MonitorCovers(FormWindow& show);
    ~MonitorCovers() override;

    const std::vector<std::unique_ptr<CoverWindow>>& covers() const { return m_covers; }

private:
    void coverScreens(const QScreen* leaving);

    FormWindow& m_show;
    std::vector<std::unique_ptr<CoverWindow>> m_covers;
};

}  // namespace glint::platform::qt
