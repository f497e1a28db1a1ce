#pragma once

// The file-open dialog component: a filter and a file name, and ShowOpen, which shows the modal
// dialog and leaves the chosen path, or "" after a cancel, in FileName.

#include <string>

#include "platform/desktop.h"
#include "platform/form.h"

namespace glint::platform {

class CommonDialog {
public:
    CommonDialog(Desktop& desktop, Form& owner) : m_desktop(desktop), m_owner(owner) {}

    std::string Filter;
    std::string FileName;

    void ShowOpen() { FileName = m_desktop.showOpenDialog(m_owner, Filter, FileName); }

private:
    Desktop& m_desktop;
    Form& m_owner;
};

}  // namespace glint::platform
