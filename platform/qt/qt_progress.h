#pragma once

#include <QProgressDialog>
#include <string>

#include "platform/desktop.h"

namespace glint::platform::qt {

// A progress window on Qt: a progress dialog over its owner, which takes no input meanwhile, with
// the text, a bar (busy while the whole is unknown) and the cancel button. It repaints and
// answers in the task's event passes.
class QtProgress : public ProgressWindow {
public:
    QtProgress(QWidget* owner, const std::string& title, const std::string& cancelButton);

    void update(const std::string& text, int done, int total) override;
    bool cancelRequested() const override { return m_dialog.wasCanceled(); }

private:
    QProgressDialog m_dialog;
};

}  // namespace glint::platform::qt
