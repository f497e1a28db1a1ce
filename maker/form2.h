#pragma once

// The new-project dialog: asks whether to start a new production; "确定" empties the package
// folder, "取消" leaves everything.

#include "platform/command_button.h"
#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/form.h"
#include "platform/frame.h"
#include "platform/image_box.h"
#include "platform/label.h"
#include "platform/services.h"

namespace glint::maker {

class Form2 : public platform::Form {
public:
    Form2(platform::Services& services, platform::Desktop& desktop, platform::Files& files);

    void Form_Load();
    void Command1_Click();
    void Command2_Click();

    platform::Frame Frame1;
    platform::ImageBox Image1;
    platform::Label Label2;
    platform::Label Label1;
    platform::CommandButton Command1;
    platform::CommandButton Command2;

private:
    platform::Services& m_services;
    platform::Files& m_files;
};

}  // namespace glint::maker
