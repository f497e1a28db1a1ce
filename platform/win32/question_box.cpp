#include "platform/win32/question_box.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "package/text_encoding.h"
#include "platform/win32/ui_font.h"
#include "platform/win32/wide_text.h"

namespace glint::platform::win32 {
namespace {

constexpr int kDefaultId = IDOK;
constexpr int kOtherId = 100;
constexpr int kCheckBoxId = 101;
// The text's width, in lines of the font: about 36 Chinese characters.
constexpr int kTextWidthInLines = 30;

struct Dialog {
    std::wstring title;
    std::wstring text;
    std::wstring defaultButton;
    std::wstring otherButton;
    std::wstring checkBox;
    Font font = defaultFont();
    QuestionAnswer answer;
};

HWND child(HWND dialog, const wchar_t* kind, const std::wstring& text, DWORD style, int id) {
    const HWND control = CreateWindowExW(
        0, kind, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, dialog,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    const Dialog* d = reinterpret_cast<const Dialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(d->font.handle()), FALSE);
    return control;
}

SIZE extentOf(HDC dc, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

// Lays the dialog out in lines of its font, as the system's own message boxes grow with theirs.
void layOut(HWND dialog, Dialog& d) {
    const HDC dc = GetDC(dialog);
    const HGDIOBJ before = SelectObject(dc, d.font.handle());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int line = std::max<int>(metrics.tmHeight, 12);
    const int margin = line;
    const int icon = GetSystemMetrics(SM_CXICON);
    RECT textArea{0, 0, kTextWidthInLines * line, 0};
    DrawTextW(dc, d.text.c_str(), -1, &textArea, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    // A line's room to spare: characters from a fallback font may come out wider than measured.
    textArea.right += line;
    const int buttonHeight = line * 7 / 4;
    const int defaultWidth = std::max<int>(extentOf(dc, d.defaultButton).cx + 2 * line, 5 * line);
    const int otherWidth = std::max<int>(extentOf(dc, d.otherButton).cx + 2 * line, 5 * line);
    const int checkWidth = extentOf(dc, d.checkBox).cx + 2 * line;
    SelectObject(dc, before);
    ReleaseDC(dialog, dc);

    const int textLeft = margin + icon + margin;
    const int textHeight = std::max<int>(textArea.bottom, icon);
    int y = margin + textHeight + margin;
    const int buttonsWidth = defaultWidth + line / 2 + otherWidth;
    const int width =
        std::max<int>({textLeft + textArea.right, margin + checkWidth, margin + buttonsWidth}) +
        margin;

    const HWND picture = child(dialog, L"STATIC", L"", SS_ICON, 0);
    SendMessageW(picture, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_QUESTION)),
                 0);
    MoveWindow(picture, margin, margin, icon, icon, FALSE);
    MoveWindow(child(dialog, L"STATIC", d.text, SS_LEFT | SS_NOPREFIX, 0), textLeft, margin,
               textArea.right, textArea.bottom, FALSE);
    if (!d.checkBox.empty()) {
        MoveWindow(child(dialog, L"BUTTON", d.checkBox, BS_AUTOCHECKBOX | WS_TABSTOP, kCheckBoxId),
                   margin, y, checkWidth, line * 3 / 2, FALSE);
        y += line * 3 / 2 + margin / 2;
    }
    const HWND chosenByDefault =
        child(dialog, L"BUTTON", d.defaultButton, BS_DEFPUSHBUTTON | WS_TABSTOP, kDefaultId);
    MoveWindow(chosenByDefault, width - margin - buttonsWidth, y, defaultWidth, buttonHeight,
               FALSE);
    MoveWindow(child(dialog, L"BUTTON", d.otherButton, BS_PUSHBUTTON | WS_TABSTOP, kOtherId),
               width - margin - otherWidth, y, otherWidth, buttonHeight, FALSE);
    const int height = y + buttonHeight + margin;

    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
    const int outerWidth = frame.right - frame.left;
    const int outerHeight = frame.bottom - frame.top;
    RECT around{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (const HWND owner = GetWindow(dialog, GW_OWNER)) GetWindowRect(owner, &around);
    SetWindowPos(dialog, nullptr, (around.left + around.right - outerWidth) / 2,
                 std::max<int>(0, (around.top + around.bottom - outerHeight) / 2), outerWidth,
                 outerHeight, SWP_NOZORDER);
    SendMessageW(dialog, DM_SETDEFID, kDefaultId, 0);
    SetFocus(chosenByDefault);
}

INT_PTR CALLBACK dialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            auto* d = reinterpret_cast<Dialog*>(lParam);
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            SetWindowTextW(dialog, d->title.c_str());
            layOut(dialog, *d);
            return FALSE;  // the focus is set
        }
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (id != kDefaultId && id != kOtherId && id != IDCANCEL) return FALSE;
            auto* d = reinterpret_cast<Dialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
            d->answer = {id == kDefaultId, IsDlgButtonChecked(dialog, kCheckBoxId) == BST_CHECKED};
            EndDialog(dialog, id);
            return TRUE;
        }
        default:
            return FALSE;
    }
}

}  // namespace

QuestionAnswer askQuestion(HWND owner, const std::string& title, const Question& question) {
    Dialog d;
    d.title = widen(package::displayText(title));
    d.text = widen(question.text);
    d.defaultButton = widen(question.defaultButton);
    d.otherButton = widen(question.otherButton);
    d.checkBox = widen(question.checkBox);
    // The template holds the dialog's style alone: no menu, the default class, no title (set when
    // it opens), no controls (made when it opens). DLGTEMPLATE must be DWORD-aligned.
    std::vector<DWORD> storage(16, 0);
    auto* dialogTemplate = reinterpret_cast<DLGTEMPLATE*>(storage.data());
    dialogTemplate->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    dialogTemplate->cdit = 0;
    const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate, owner,
                                                   dialogProcedure, reinterpret_cast<LPARAM>(&d));
    if (result <= 0) return {};  // the dialog could not be made: as if closed
    return d.answer;
}

}  // namespace glint::platform::win32
