// Steps 3 and 4 of the work panel and the new-project button.

#include <exception>

#include "maker/form2.h"
#include "maker/form3.h"
#include "maker/form_main.h"
#include "maker/messages.h"

namespace glint::maker {

void FormMain::Picture3_Click() {
    returnToNormal(Picture3);
    Form3 dialog(m_services, m_desktop, m_files);
    m_desktop.showModal(dialog, *this);
}

// The button keeps whatever picture it shows until the pointer next moves over it.
void FormMain::Picture4_Click() {
    try {
        m_desktop.startProgram(ownPath(std::string(kPackageFolderLiteral) + "\\setup.exe"));
    } catch (const std::exception&) {
        m_desktop.showMessage(*this, tr(kFileNotFoundMessage));
    }
}

void FormMain::Picture5_Click() {
    returnToNormal(Picture5);
    Form2 dialog(m_services, m_desktop, m_files);
    m_desktop.showModal(dialog, *this);
}

}  // namespace glint::maker
