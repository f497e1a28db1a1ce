#include "installer/linux/screensaver_launcher.h"

namespace glint::installer {

std::string launcherScript() {
    return "#!/bin/sh\n"
           "# Starts the Glint show installed beside this file, for the desktop's screensaver.\n"
           "exec \"${0%/*}/pb.cc\"\n";
}

}  // namespace glint::installer
