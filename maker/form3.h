#pragma once

// The build dialog: "1、确定" copies the chosen files into the package folder and writes the
// player's lists, "2、预览效果" starts the packaged player, "3、生成程序" places the installer,
// "取消" closes. Text1 holds the caption the player shows in the corner.

#include "platform/command_button.h"
#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/form.h"
#include "platform/frame.h"
#include "platform/label.h"
#include "platform/services.h"
#include "platform/text_box.h"

namespace glint::maker {

class Form3 : public platform::Form {
public:
    Form3(platform::Services& services, platform::Desktop& desktop, platform::Files& files);

    void Form_Load();
    void Command1_Click();  // build
    void Command3_Click();  // preview
    void Command2_Click();  // generate the installer and the single files
    void Command4_Click();  // cancel

    platform::Frame Frame;
    platform::Label Label2;
    platform::Frame Frame2;
    platform::Label Label3;
    platform::TextBox Text1;
    platform::CommandButton Command1;
    platform::Label Label1;
    platform::CommandButton Command3;
    platform::Label Label4;
    platform::CommandButton Command2;
    platform::CommandButton Command4;

private:
    std::string packagePath(const std::string& name) const;
    void build();
    void keepOwnCopies(class PackageNames& names) const;
    void copyListed(const std::string& workingList, const std::string& playerList,
                    class PackageNames& names);

    platform::Services& m_services;
    platform::Desktop& m_desktop;
    platform::Files& m_files;
};

}  // namespace glint::maker
