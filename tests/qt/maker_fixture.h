#pragma once

// The authoring program's main window on the real Qt services and the Qt desktop, in an own
// folder of its own with the pic folder's button pictures and an empty package folder.

#include <QEvent>
#include <QPoint>
#include <memory>
#include <string>

#include "maker/form_main.h"
#include "platform/posix/posix_files.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_picture_fitting.h"
#include "platform/qt/qt_services.h"
#include "tests/support/temp_folder.h"

namespace glint::testing {

class MakerFixture {
public:
    static constexpr const char* kPackageFolder = "制作好的屏幕程序";

    MakerFixture();
    ~MakerFixture();

    // Loads and shows the main window.
    maker::FormMain& start();
    platform::qt::FormWindow& window() const { return *qt->runtime().window(); }
    std::string packageFile(const std::string& name) const;

    // A mouse event on the main window at a point of its client area, as the window system
    // sends it: with the pointer's place on the screen.
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held = Qt::NoButton);
    // The same with the place on the screen given apart: a window system that has not yet
    // caught up with the window's moves reports a place in the window that is out of date.
    void mouse(QEvent::Type type, QPoint at, QPoint onScreen, Qt::MouseButtons held);
    void click(const platform::Control& control);
    static QPoint centreOf(const platform::Control& control);

    platform::Services& services() { return qt->services(); }

    TempFolder folder;
    std::unique_ptr<platform::qt::QtServices> qt;
    std::unique_ptr<platform::qt::QtDesktop> desktop;
    platform::posix::PosixFiles files;
    platform::qt::QtPictureFitting fitting;
    std::unique_ptr<maker::FormMain> form;
};

}  // namespace glint::testing
