#pragma once

// The authoring program's main window on the headless backend, in an own folder of its own with
// the package folder and the pic folder's fourteen button pictures.

#include <memory>
#include <string>

#include "maker/form_main.h"
#include "platform/headless/headless_devices.h"
#include "platform/headless/headless_runtime.h"
#include "platform/headless/scripted_desktop.h"
#include "platform/headless/scripted_fitting.h"
#include "platform/headless/scripted_pictures.h"
#include "platform/headless/virtual_clock.h"
#include "platform/files.h"
#include "platform/timer_scheduler.h"
#include "tests/support/temp_folder.h"

namespace glint::testing {

class MakerHarness {
public:
    static constexpr const char* kPackageFolder = "制作好的屏幕程序";

    MakerHarness();

    // The colour of a button picture: the built-in one, the pic folder's normal (_1) or hover
    // (_2) one. Each button has its own red component.
    static platform::Rgb builtInColor(const std::string& base) { return color(base, 0); }
    static platform::Rgb normalColor(const std::string& base) { return color(base, 1); }
    static platform::Rgb hoverColor(const std::string& base) { return color(base, 2); }

    maker::FormMain& form();
    std::string packageFile(const std::string& name) const;
    std::string readPackageFile(const std::string& name) const;

    TempFolder folder;
    platform::headless::VirtualClock clock;
    platform::TimerScheduler timers{clock};
    platform::headless::FixedScreen screen{1024, 768};
    platform::headless::FixedTextMetrics metrics;
    platform::headless::ScriptedPictures pictures;
    platform::headless::FakeMediaPlayer media;
    platform::headless::RecordingCursor cursor;
    platform::headless::HeadlessRuntime runtime{clock, timers, screen};
    platform::headless::ScriptedDesktop desktop;
    // The screen in device pixels, as the fitting question sees it.
    platform::headless::ScriptedFitting fitting{{1024, 768}, pictures};
    platform::Files& files = platform::systemFiles();
    platform::Services services;

private:
    static platform::Rgb color(const std::string& base, int variant);
    std::unique_ptr<maker::FormMain> m_form;
};

}  // namespace glint::testing
