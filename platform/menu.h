#pragma once

// A menu shown only as a pop-up: its entries in order, each with a caption ("-" for a separator)
// and the action run when it is chosen.

#include <functional>
#include <string>
#include <vector>

namespace glint::platform {

struct MenuItem {
    std::string name;
    std::string caption;
    std::function<void()> onClick;
};

struct Menu {
    std::string name;
    std::string caption;
    std::vector<MenuItem> items;

    std::vector<std::string> captions() const {
        std::vector<std::string> all;
        for (const MenuItem& item : items) all.push_back(item.caption);
        return all;
    }
};

}  // namespace glint::platform
