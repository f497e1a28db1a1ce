// The installer on Windows, run as a Windows program (under Wine here): the installed folder,
// the launcher and the shortcut, the screensaver setting, and the launcher's reading of what
// Windows asks of it.

#include "installer/win32/win32_install.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <filesystem>

#include "installer/win32/screensaver_arguments.h"
#include "installer/win32/win32_com.h"
#include "installer/win32/win32_removal.h"
#include "installer/win32/win32_screensaver_setting.h"
#include "installer/win32/win32_uninstall_entry.h"
#include "package/paths.h"
#include "package/quoted_list.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_files.h"
#include "tests/support/temp_folder.h"

namespace glint::installer::win32 {
namespace {

namespace fs = std::filesystem;
using platform::win32::narrow;
using platform::win32::widen;
using testing::TempFolder;

bool exists(const std::string& path) {
    return fs::exists(package::filePath(path));
}

// The shortcut as the shell reads it back: target and arguments.
std::pair<std::string, std::string> readShortcut(const std::string& linkPath) {
    const ComScope com;
    ComPointer<IShellLinkW> link;
    ComPointer<IPersistFile> file;
    wchar_t target[MAX_PATH] = {};
    wchar_t arguments[MAX_PATH] = {};
    const bool read = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                                 IID_IShellLinkW, link.out())) &&
                      SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.out())) &&
                      SUCCEEDED(file->Load(widen(linkPath).c_str(), STGM_READ)) &&
                      SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, 0)) &&
                      SUCCEEDED(link->GetArguments(arguments, MAX_PATH));
    if (!read) return {};
    return {narrow(target), narrow(arguments)};
}

struct WindowsInstall : ::testing::Test {
    TempFolder package;
    TempFolder user;
    platform::win32::Win32Files files;
    InstallTarget target;

    void SetUp() override {
        for (const char* name :
             {"pb.cc", "海边.jpg", "b.jpg", "乐曲.mp3", "dsi.ini", "setup.exe"}) {
            package.write(name, name);
        }
        list("pb.dat", {"海边.jpg", "b.jpg"});
        list("ms.dat", {"乐曲.mp3"});
        list("kg.ini", {"1"});
        list("timu.dat", {"小安的假日"});
        target = {user.file("Glint\\Screensavers"), user.file("Programs")};
        fs::create_directories(package::filePath(target.programs));
    }
    void list(const std::string& name, const std::vector<std::string>& texts) {
        package.write(name, "");
        for (const auto& t : texts) package::appendQuotedLine(package.file(name), t);
    }
};

TEST_F(WindowsInstall, CopiesThePackageAndTheLauncherIntoTheFirstFreeFolderWithAShortcut) {
    // A folder or a shortcut of that name already there, made by hand or by another program, is
    // never used.
    fs::create_directories(package::filePath(target.root + "\\screensaver-1"));
    user.write("Programs\\小安的假日 (2).lnk", "another program's");
    const std::string othersShortcut = user.file("Programs\\小安的假日 (2).lnk");
    const InstallPlan plan = planInstall(package.path());
    const WindowsInstalled first =
        install(package.path(), plan, "MZ launcher", package.file("setup.exe"), target, files);
    EXPECT_EQ(first.folder, target.root + "\\screensaver-3");
    EXPECT_FALSE(exists(target.root + "\\screensaver-2"));
    EXPECT_EQ(TempFolder::readFile(othersShortcut), "another program's");
    EXPECT_EQ(first.launcher, first.folder + "\\glint.scr");
    EXPECT_EQ(TempFolder::readFile(first.launcher), "MZ launcher");
    for (const char* name : {"pb.cc", "pb.dat", "ms.dat", "kg.ini", "timu.dat", "乐曲.mp3"}) {
        EXPECT_EQ(TempFolder::readFile(first.folder + "\\" + name), package.read(name)) << name;
    }
    EXPECT_EQ(TempFolder::readFile(first.folder + "\\海边.jpg"), "海边.jpg");
    EXPECT_FALSE(exists(first.folder + "\\dsi.ini"));
    EXPECT_FALSE(exists(first.folder + "\\setup.exe"));

    EXPECT_EQ(first.menuName, "小安的假日 (3)");
    EXPECT_EQ(first.shortcut, target.programs + "\\小安的假日 (3).lnk");
    const auto [linkTarget, arguments] = readShortcut(first.shortcut);
    EXPECT_TRUE(fs::equivalent(package::filePath(linkTarget), package::filePath(first.launcher)))
        << linkTarget;
    EXPECT_EQ(arguments, "/s");

    const WindowsInstalled second =
        install(package.path(), plan, "MZ launcher", package.file("setup.exe"), target, files);
    EXPECT_EQ(second.folder, target.root + "\\screensaver-4");
    EXPECT_TRUE(exists(first.folder + "\\pb.cc"));
    EXPECT_TRUE(exists(first.shortcut));
}

TEST_F(WindowsInstall, AFailedInstallationRemovesItsHalfMadeFolderAndShortcut) {
    InstallPlan plan = planInstall(package.path());
    plan.files.push_back("vanished.jpg");
    EXPECT_THROW(install(package.path(), plan, "MZ", package.file("setup.exe"), target, files),
                 InstallError);
    EXPECT_FALSE(exists(target.root + "\\screensaver-1"));
    EXPECT_TRUE(fs::is_empty(package::filePath(target.programs)));

    // No Start menu folder to put the shortcut in: everything copied before is taken away.
    plan = planInstall(package.path());
    target.programs = user.file("missing\\Programs");
    EXPECT_THROW(install(package.path(), plan, "MZ", package.file("setup.exe"), target, files),
                 InstallError);
    EXPECT_FALSE(exists(target.root + "\\screensaver-1"));
}

TEST_F(WindowsInstall, ListsMadeOnWindowsNameTheirFilesInTheCodePageAndOnlyPlainNamesPass) {
    // The lists hold the ANSI code page, so a picture list written on a Chinese system reads as
    // the same names here.
    const InstallPlan plan = planInstall(package.path());
    EXPECT_EQ(plan.files, (std::vector<std::string>{"pb.cc", "pb.dat", "ms.dat", "kg.ini",
                                                    "timu.dat", "海边.jpg", "b.jpg", "乐曲.mp3"}));
    EXPECT_EQ(plan.caption, "小安的假日");
    for (const char* name :
         {"..\\..\\Windows\\win.ini", "sub\\b.jpg", "C:b.jpg", "C:\\b.jpg", "../b.jpg"}) {
        list("pb.dat", {"b.jpg", name});
        EXPECT_THROW(planInstall(package.path()), InstallError) << name;
    }
}

TEST_F(WindowsInstall, RemovalLeavesNothingOfTheShowAndWithdrawsOnlyItsOwnScreensaver) {
    const InstallPlan plan = planInstall(package.path());
    const auto first =
        install(package.path(), plan, "MZ", package.file("setup.exe"), target, files);
    const auto second =
        install(package.path(), plan, "MZ", package.file("setup.exe"), target, files);
    EXPECT_EQ(TempFolder::readFile(first.folder + "\\uninstall.exe"), "setup.exe");
    // Keys of the test's own, never the user's real settings.
    HKEY desktop = nullptr;
    HKEY uninstall = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Glint\\RemovalTest\\Desktop", 0,
                              nullptr, 0, KEY_ALL_ACCESS, nullptr, &desktop, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Glint\\RemovalTest\\Uninstall", 0,
                              nullptr, 0, KEY_ALL_ACCESS, nullptr, &uninstall, nullptr),
              ERROR_SUCCESS);
    writeScreensaverSetting(desktop, second.launcher);
    writeUninstallEntry(uninstall, first);
    writeUninstallEntry(uninstall, second);
    auto saver = [&] {
        return RegGetValueW(desktop, nullptr, L"SCRNSAVE.EXE", RRF_RT_REG_SZ, nullptr, nullptr,
                            nullptr) == ERROR_SUCCESS;
    };

    EXPECT_TRUE(removeInstalled(desktop, uninstall, first.folder).empty());
    EXPECT_FALSE(exists(first.folder));
    EXPECT_FALSE(exists(first.shortcut));
    EXPECT_FALSE(shortcutOf(uninstall, first.folder));
    EXPECT_TRUE(saver());
    EXPECT_EQ(shortcutOf(uninstall, second.folder), second.shortcut);

    EXPECT_TRUE(removeInstalled(desktop, uninstall, second.folder).empty());
    EXPECT_FALSE(saver());
    EXPECT_FALSE(exists(second.folder));
    EXPECT_TRUE(fs::is_empty(package::filePath(target.programs)));
    RegCloseKey(desktop);
    RegCloseKey(uninstall);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Glint\\RemovalTest");
}

TEST(MenuName, IsTheCaptionWithWhatWindowsRefusesInANameReplaced) {
    EXPECT_EQ(menuNameFor("https://glint.example.org", 1), "https___glint.example.org (1)");
    EXPECT_EQ(menuNameFor("", 3), "Glint 屏保 (3)");
    EXPECT_EQ(menuNameFor("a<b>c\"d|e?f*g\r\nh", 2), "a_b_c_d_e_f_g__h (2)");
    EXPECT_EQ(menuNameFor("假日...  ", 1), "假日 (1)");
    EXPECT_EQ(menuNameFor("...", 1), "Glint (1)");
    // A long caption is cut on a whole character, never inside a surrogate pair.
    const std::string longCaption = std::string(59, 'x') + "😀😀";
    EXPECT_EQ(menuNameFor(longCaption, 1), std::string(59, 'x') + " (1)");
    EXPECT_EQ(menuNameFor(std::string(58, 'x') + "😀", 1), std::string(58, 'x') + "😀 (1)");
}

TEST(ScreensaverSetting, NamesTheLauncherByAPathWindowsCanStartAndSwitchesTheSaverOn) {
    TempFolder folder;
    const std::string plain = folder.file("glint.scr");
    const std::string spaced = folder.file("My Saver\\glint.scr");
    fs::create_directories(package::filePath(folder.file("My Saver")));
    folder.write("glint.scr", "MZ");
    folder.write("My Saver\\glint.scr", "MZ");
    EXPECT_EQ(screensaverPath(plain), plain);
    const std::string shortPath = screensaverPath(spaced);
    EXPECT_EQ(shortPath.find(' '), std::string::npos) << shortPath;
    EXPECT_TRUE(fs::equivalent(package::filePath(shortPath), package::filePath(spaced)));

    // Written under a key of the test's own, never the user's real setting.
    const wchar_t* const keyName = L"Software\\Glint\\InstallerTest";
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, keyName, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    writeScreensaverSetting(key, spaced);
    auto value = [&](const wchar_t* name) {
        wchar_t text[MAX_PATH] = {};
        DWORD size = sizeof text;
        DWORD type = 0;
        RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
        return type == REG_SZ ? narrow(text) : std::string("not text");
    };
    EXPECT_EQ(value(L"SCRNSAVE.EXE"), shortPath);
    EXPECT_EQ(value(L"ScreenSaveActive"), "1");
    RegCloseKey(key);
    RegDeleteKeyW(HKEY_CURRENT_USER, keyName);
}

TEST(ScreensaverArguments, OnlyTheShowOrNoArgumentStartsThePlayer) {
    using Args = std::vector<std::string>;
    for (const Args& show : {Args{}, Args{"/s"}, Args{"/S"}, Args{"-s"}, Args{"/s:1234"}}) {
        EXPECT_TRUE(showRequested(show)) << (show.empty() ? "" : show[0]);
    }
    for (const Args& other :
         {Args{"/p", "1234"}, Args{"/P", "1234"}, Args{"/c"}, Args{"/c:1234"}, Args{"-c"},
          Args{"/a", "1234"}, Args{"s"}, Args{"/start"}, Args{""}}) {
        EXPECT_FALSE(showRequested(other)) << other[0];
    }
}

}  // namespace
}  // namespace glint::installer::win32
