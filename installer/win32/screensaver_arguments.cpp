#include "installer/win32/screensaver_arguments.h"

namespace glint::installer {

bool showRequested(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return true;
    const std::string& first = arguments.front();
    if (first.size() < 2 || (first[0] != '/' && first[0] != '-')) return false;
    // "/s" may carry a window after a colon, as "/c:<window>" does; nothing else follows it.
    const bool show = first[1] == 's' || first[1] == 'S';
    return show && (first.size() == 2 || first[2] == ':');
}

}  // namespace glint::installer
