// Photos on Windows, run as a Windows program (under Wine here): the question box, the copy
// fitted to the screen that GDI+ scales and writes, and a picture no codec reads.

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "package/file_error.h"
#include "platform/win32/file_stream.h"
#include "platform/win32/question_box.h"
#include "platform/win32/wic_picture.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_picture_fitting.h"
#include "platform/win32/win32_picture_loader.h"
#include "tests/support/temp_folder.h"
#include "tests/win32/picture_files.h"

namespace glint::platform::win32 {
namespace {

using testing::quarterColors;
using testing::quarters;
using testing::TempFolder;

constexpr Rgb kRed = testing::kQuarterRed;
constexpr Rgb kGreen = testing::kQuarterGreen;
constexpr Rgb kBlue = testing::kQuarterBlue;
constexpr Rgb kWhite = testing::kQuarterWhite;
constexpr const wchar_t* kTitle = L"Glint 问题";

bool similar(Rgb a, Rgb b) {
    return testing::similar(a, b, 16);
}

// What the user does in the question box once it shows: run from a timer of the thread, inside
// the dialog's own message loop.
std::function<void(HWND)> g_answer;

void CALLBACK whenShown(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND dialog = FindWindowW(L"#32770", kTitle);
    if (!dialog || !IsWindowVisible(dialog)) return;
    KillTimer(nullptr, timer);
    g_answer(dialog);
}

QuestionAnswer askAndAnswer(std::function<void(HWND)> answer) {
    g_answer = std::move(answer);
    SetTimer(nullptr, 0, 20, whenShown);
    return askQuestion(nullptr, narrow(kTitle),
                       {"图片“IMG_0001.HEIC”有 4032 × 3024 像素，比屏幕的 1920 × 1080 像素大。",
                        "缩小到屏幕大小", "保持原样", "本次运行中其余的大图片也这样处理"});
}

std::wstring textOf(HWND dialog, int id) {
    wchar_t text[256] = {};
    GetDlgItemTextW(dialog, id, text, 256);
    return text;
}

TEST(QuestionBox, ShowsItsButtonsAndCheckBoxAndEnterChoosesTheFocusedDefault) {
    const QuestionAnswer answer = askAndAnswer([](HWND dialog) {
        EXPECT_EQ(textOf(dialog, IDOK), L"缩小到屏幕大小");
        EXPECT_EQ(textOf(dialog, 100), L"保持原样");
        EXPECT_EQ(textOf(dialog, 101), L"本次运行中其余的大图片也这样处理");
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));
        CheckDlgButton(dialog, 101, BST_CHECKED);
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
    });
    EXPECT_TRUE(answer.defaultChosen);
    EXPECT_TRUE(answer.checked);
}

TEST(QuestionBox, EscapeAndTheOtherButtonKeep) {
    QuestionAnswer answer =
        askAndAnswer([](HWND) { PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0); });
    EXPECT_FALSE(answer.defaultChosen);
    EXPECT_FALSE(answer.checked);
    answer = askAndAnswer([](HWND dialog) { SendDlgItemMessageW(dialog, 100, BM_CLICK, 0, 0); });
    EXPECT_FALSE(answer.defaultChosen);
}

TEST(FittedCopies, AreJpegsOfTheSizeAskedUprightAndNothingElseIsLeft) {
    TempFolder folder;
    Win32PictureFitting fitting;
    Win32PictureLoader loader;
    const PixelSize screen = fitting.screenDevicePixels();
    EXPECT_GT(screen.width, 0);
    EXPECT_GT(screen.height, 0);
    const std::string copy = folder.file("IMG_0001.jpg");
    fitting.writeFittedCopy(quarters(800, 400), {200, 100}, copy);
    const std::string bytes = folder.read("IMG_0001.jpg");
    EXPECT_EQ(bytes.substr(0, 3), "\xFF\xD8\xFF");
    const Image written = loader.load(copy);
    ASSERT_EQ(written.width(), 200);
    ASSERT_EQ(written.height(), 100);
    const std::array<Rgb, 4> colors = quarterColors(written);
    EXPECT_TRUE(similar(colors[0], kRed) && similar(colors[1], kGreen) &&
                similar(colors[2], kBlue) && similar(colors[3], kWhite));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(FittedCopies, ACopyThatCannotBeWrittenThrowsNamingIt) {
    TempFolder folder;
    Win32PictureFitting fitting;
    const std::string path = folder.file("missing\\IMG.jpg");
    try {
        fitting.writeFittedCopy(quarters(80, 40), {20, 10}, path);
        FAIL() << "no error";
    } catch (const package::FileError& error) {
        EXPECT_EQ(error.path(), path);
    }
}

// Wine's WIC has none of the codecs GDI+ lacks (WebP, HEIF): such a file is no picture there.
TEST(PicturesThroughWic, AFileNoCodecReadsIsNoPicture) {
    TempFolder folder;
    folder.write("notes.heic", std::string("\0\0\0\x18"
                                           "ftypheic\0\0\0\0mif1heic",
                                           24));
    const ComRef<IStream> stream = openFileStream(folder.file("notes.heic"));
    EXPECT_FALSE(decodeWithWic(*stream).has_value());
}

}  // namespace
}  // namespace glint::platform::win32
