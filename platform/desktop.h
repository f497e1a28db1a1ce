#pragma once

// The interactive desktop a window program asks for: the file-open dialog, message boxes, the
// pop-up menu, a progress window, opening a document or address with its default application,
// and the pictures built into the program.

#include <memory>
#include <string>
#include <vector>

#include "platform/image.h"

namespace glint::platform {

class Form;

// A question with two answers: the default button, which has the focus so that Enter chooses it,
// and the other button, which Escape and closing the window choose too; and, where checkBox is
// not empty, a check box below the text, unchecked at first.
struct Question {
    std::string text;
    std::string defaultButton;
    std::string otherButton;
    std::string checkBox;
    bool operator==(const Question&) const = default;
};

struct QuestionAnswer {
    bool defaultChosen = false;
    bool checked = false;  // the check box when the question was answered
};

// A window in front of its owner that tells how far a long task has come, with a button that
// asks to stop it. The task makes event passes, in which the window repaints and the button
// answers. Destroying it closes the window.
class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;
    // The text, and done of total steps (total 0: no measure of the whole).
    virtual void update(const std::string& text, int done, int total) = 0;
    // Whether the user has asked to stop: the button, or closing the window.
    virtual bool cancelRequested() const = 0;
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // The modal file-open dialog owned by the window. The filter is "description|pattern" pairs
    // joined by "|", the first entry preselected; fileName is the name proposed. Returns the full
    // path chosen, or "" when the user cancelled.
    virtual std::string showOpenDialog(Form& owner, const std::string& filter,
                                       const std::string& fileName) = 0;

    // A modal message box with an OK button, the program's title as its title.
    virtual void showMessage(Form& owner, const std::string& text) = 0;

    // The question in a modal box owned by the window, the program's title as its title.
    virtual QuestionAnswer ask(Form& owner, const Question& question) = 0;

    // A pop-up menu at the pointer's position; a caption "-" is a separator. Returns the index
    // of the entry chosen, or -1 when the menu was dismissed.
    virtual int showPopupMenu(Form& owner, const std::vector<std::string>& captions) = 0;

    // Opens the document or web address with the user's default application and returns at
    // once. Failures are ignored.
    virtual void openDocument(const std::string& fileOrAddress) = 0;

    // Shows a progress window owned by the window, its button captioned so, and returns at once.
    virtual std::unique_ptr<ProgressWindow> showProgress(Form& owner,
                                                         const std::string& cancelButton) = 0;

    // A picture built into the program, by its file name ("background.jpg").
    virtual Image builtInPicture(const std::string& name) = 0;

    // Shows the dialog modally: loads it, shows it and returns when it is closed; its owner takes
    // no input meanwhile.
    virtual void showModal(Form& dialog, Form& owner) = 0;

    // Starts the program file as a separate process in a normal window with the focus: the path
    // as it stands, no arguments, no waiting. Throws std::runtime_error when it cannot be started.
    virtual void startProgram(const std::string& path) = 0;
};

}  // namespace glint::platform
