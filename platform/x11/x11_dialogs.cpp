#include "platform/x11/x11_dialogs.h"

#include "language/translate.h"
#include "platform/x11/dialog_window.h"

namespace glint::platform::x11 {

using language::tr;

void messageBox(const std::string& title, const std::string& text, MessageKind) {
    // The kind is carried by the words: the dialogs show no icons.
    runDialog({title, text, {tr("确定")}, 0, 0, ""});
}

bool askYesNo(const std::string& title, const std::string& question, bool byDefault) {
    constexpr std::size_t kYes = 0, kNo = 1;
    const std::size_t chosen = byDefault ? kYes : kNo;
    // Y and N press them in either language: the first letters of Yes and No.
    const auto answer =
        runDialog({title, question, {tr("是"), tr("否")}, chosen, kYes + kNo - chosen, "yn"});
    return answer.value_or(chosen) == kYes;
}

std::optional<int> askNumber(const std::string& title, const std::string& question, int initial,
                             int minimum, int maximum) {
    constexpr std::size_t kOk = 0, kCancel = 1;
    NumberField field(initial, minimum, maximum);
    const auto answer =
        runDialog({title, question, {tr("确定"), tr("取消")}, kOk, kCancel, ""}, &field);
    if (!answer) return initial;
    if (*answer != kOk) return std::nullopt;
    return field.value();
}

}  // namespace glint::platform::x11
