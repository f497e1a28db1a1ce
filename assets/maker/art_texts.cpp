#include "art_texts.h"

namespace glint::assets {

ArtTexts ArtTexts::chinese() {
    ArtTexts t;
    t.title = QStringLiteral("Glint 相册屏保制作器");
    t.tagline = QStringLiteral("用照片和音乐，做一个您自己的屏幕保护程序");
    t.productName = QStringLiteral("屏保制作");
    t.heading = QStringLiteral("四步完成：选照片 → 配音乐 → 生成 → 安装");
    t.previewNote = QStringLiteral("这里显示您选择的图片");
    t.previewCaption = QStringLiteral("图片预览");
    t.ordinals = {QStringLiteral("第一步"), QStringLiteral("第二步"), QStringLiteral("第三步"),
                  QStringLiteral("第四步")};
    t.captions = {QStringLiteral("加入选择图片"), QStringLiteral("加入背景音乐"),
                  QStringLiteral("生成程序"), QStringLiteral("安装")};
    t.titles = {QStringLiteral("挑选照片"), QStringLiteral("配上音乐"), QStringLiteral("生成屏保"),
                QStringLiteral("安装使用")};
    t.hints = {QStringLiteral("把喜欢的照片加入屏保，可以多次加入"),
               QStringLiteral("选一首乐曲，作为屏保的背景音乐"),
               QStringLiteral("先预览效果，满意后再生成程序"),
               QStringLiteral("把做好的屏保安装到这台电脑上")};
    t.newProduction = QStringLiteral("开始新的制作");
    t.help = QStringLiteral("帮助");
    t.footer = {QStringLiteral("做好的屏保放在本程序旁的“制作好的屏幕程序”文件夹里"),
                QStringLiteral("有疑问？请点右上角的问号查看帮助")};
    return t;
}

ArtTexts ArtTexts::english() {
    ArtTexts t;
    t.folder = QStringLiteral("en/");
    t.title = QStringLiteral("Glint Screensaver Maker");
    t.tagline = QStringLiteral("Turn your photos and music into a screensaver");
    // Beside the wordmark, so that it reads "Glint Maker": the place ends at the version tag.
    t.productName = QStringLiteral("Maker");
    t.heading = QStringLiteral("Four steps: photos → music → generate → install");
    t.previewNote = QStringLiteral("Your picture shows here");
    t.previewCaption = QStringLiteral("Preview");
    t.ordinals = {QStringLiteral("Step 1"), QStringLiteral("Step 2"), QStringLiteral("Step 3"),
                  QStringLiteral("Step 4")};
    t.captions = {QStringLiteral("Add pictures"), QStringLiteral("Add music"),
                  QStringLiteral("Generate"), QStringLiteral("Install")};
    t.titles = {QStringLiteral("Choose your photos"), QStringLiteral("Set them to music"),
                QStringLiteral("Make the screensaver"), QStringLiteral("Install and enjoy")};
    t.hints = {QStringLiteral("Add the photos you like; add more at any time"),
               QStringLiteral("Choose a tune to play behind your photos"),
               QStringLiteral("Preview it first; generate it once you like it"),
               QStringLiteral("Install your screensaver on this computer")};
    t.newProduction = QStringLiteral("New screensaver");
    t.help = QStringLiteral("Help");
    // The package folder keeps its Chinese name in every language.
    t.footer = {
        QStringLiteral("Your screensavers go into the folder “制作好的屏幕程序” beside this "
                       "program"),
        QStringLiteral("Questions? Click the question mark at the top right for help")};
    return t;
}

}  // namespace glint::assets
