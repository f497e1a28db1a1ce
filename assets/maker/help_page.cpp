#include "help_page.h"

namespace glint::assets {

QByteArray HelpPage::html() const {
    QByteArray page =
        "<!DOCTYPE html>\n"
        "<html lang='zh-CN'>\n"
        "<head>\n"
        "<meta charset=\"utf-8\">\n"
        "<meta name='viewport' content='width=device-width, initial-scale=1'>\n"
        "<title>Glint 相册屏保制作器 · 使用帮助</title>\n"
        "<style>\n";
    page += style(R"(15px/1.75 "WenQuanYi Zen Hei", "Microsoft YaHei", "PingFang SC", sans-serif)");
    page +=
        "</style>\n"
        "</head>\n"
        "<body>\n"
        "<header>\n";
    page += mark();
    page +=
        "  <div>\n"
        "    <h1>Glint 相册屏保制作器</h1>\n"
        "    <p class='lead'>用您自己的照片和一首喜欢的音乐，做一个只属于您的屏幕保护程序。</p>\n"
        "  </div>\n"
        "</header>\n"
        "<main>\n"
        "<section>\n"
        "  <h2>它能做什么</h2>\n"
        // Adjacent literals without a newline between them: a line break inside Chinese text
        // would show as a space.
        "  <p>电脑空闲时，屏保会全屏轮流展示您挑选的照片，每张照片以不同的过渡效果出场，"
        "同时播放您选的背景音乐。整个制作只需要四步，跟着窗口右侧从上到下的四个按钮依次点就可以了。"
        "</p>\n"
        "</section>\n";
    page += steps();
    page += questions();
    page +=
        "<section class='contact'>\n"
        "  <h2>联系我们</h2>\n"
        "  <p>有任何问题或建议，欢迎访问我们的网站："
        "<a href='https://glint.example.org'>https://glint.example.org</a></p>\n"
        "  <p>祝您使用愉快！</p>\n"
        "</section>\n"
        "</main>\n"
        "<footer>Glint 相册屏保制作器 V1.0</footer>\n"
        "</body>\n"
        "</html>\n";
    return page;
}

QByteArray HelpPage::mark() const {
    return "  <svg class='mark' viewBox='0 0 32 32' width='48' height='48' aria-hidden='true'>\n"
           "    <rect x='1' y='1' width='30' height='30' rx='7' fill='#1f7fa8'/>\n"
           "    <rect x='6' y='9' width='20' height='16' rx='1.5' fill='#f6fbfd'/>\n"
           "    <rect x='8' y='11' width='16' height='12' fill='#2a5f8c'/>\n"
           "    <path d='M8 23 L13.8 16 L17 19.4 L19.5 17.6 L24 23 Z' fill='#102c44'/>\n"
           "    <circle cx='20' cy='14.4' r='1.8' fill='#ffd65c'/>\n"
           "    <path d='M25 2 Q25.9 7.1 30 8 Q25.9 8.9 25 14 Q24.1 8.9 20 8 Q24.1 7.1 25 2 Z'"
           " fill='#fff3c4'/>\n"
           "  </svg>\n";
}

QByteArray HelpPage::style(const QByteArray& bodyFont) const {
    return "  body { margin: 0; background: #eef3f7; color: #22313d;\n"
           "         font: " +
           bodyFont + "; }\n" +
           R"(  header { display: flex; align-items: center; gap: 18px; padding: 26px 40px;
           background: linear-gradient(135deg, #0f2c48 0%, #14506e 60%, #1a7d8f 100%);
           color: #eaf5fa; }
  header h1 { margin: 0; font-size: 26px; letter-spacing: 1px; }
  header .lead { margin: 4px 0 0; color: #b4cbd8; }
  main { max-width: 820px; margin: 0 auto; padding: 10px 24px 30px; }
  section { background: #fff; border-radius: 10px; margin: 18px 0; padding: 6px 26px 14px;
            box-shadow: 0 1px 4px rgba(15, 44, 72, 0.12); }
  h2 { font-size: 19px; color: #0f4966; border-bottom: 2px solid #2fb8c6;
       padding-bottom: 4px; display: inline-block; }
  ol.steps { list-style: none; padding: 0; counter-reset: step; }
  ol.steps > li { position: relative; padding: 4px 0 10px 54px; counter-increment: step; }
  ol.steps > li::before { content: counter(step); position: absolute; left: 0; top: 6px;
       width: 36px; height: 36px; border-radius: 50%; text-align: center; line-height: 36px;
       font-weight: bold; font-size: 18px; color: #0f2c48; background: #ffd65c; }
  ol.steps h3 { margin: 6px 0 2px; font-size: 17px; }
  .button { display: inline-block; padding: 0 10px; border-radius: 5px; color: #fff;
            background: linear-gradient(#1f6886, #113c57); font-size: 14px; white-space: nowrap; }
  .note { background: #fff8e1; border-left: 4px solid #ffc83d; padding: 6px 12px;
          border-radius: 4px; }
  dl dt { font-weight: bold; margin-top: 12px; color: #0f4966; }
  dl dd { margin: 2px 0 0 0; }
  code { background: #e3edf3; padding: 1px 6px; border-radius: 4px; }
  a { color: #13799a; }
  footer { text-align: center; color: #7a93a5; font-size: 13px; padding: 0 0 24px; }
)";
}

QByteArray HelpPage::steps() const {
    return "<section>\n"
           "  <h2>四步做好屏保</h2>\n"
           "  <ol class='steps'>\n"
           "    <li>\n"
           "      <h3>加入照片</h3>\n"
           "      <p>点击 <span class='button'>加入选择图片</span>，"
           "在弹出的窗口里选中想放进屏保的照片。刚选的照片会显示在左边的“图片预览”框里，"
           "方便您确认。想多放几张，就多点几次这个按钮。</p>\n"
           "    </li>\n"
           "    <li>\n"
           "      <h3>配上音乐</h3>\n"
           "      <p>点击 <span class='button'>加入背景音乐</span>，选一首您喜欢的乐曲。"
           "屏保播放照片的时候，这首音乐会在背景中响起。</p>\n"
           "    </li>\n"
           "    <li>\n"
           "      <h3>生成屏保</h3>\n"
           "      <p>点击 <span class='button'>生成程序</span>，会打开一个生成窗口，"
           "它先把您的照片和音乐整理成一个完整的屏保作品。</p>\n"
           "      <ul>\n"
           "        <li>点 <span class='button'>预览效果</span> "
           "可以先全屏看一看做出来的样子，看完按任意键就会回来。</li>\n"
           "        <li>满意后点窗口里的 <span class='button'>生成程序</span>，"
           "安装程序就放进作品文件夹里了，还会多出两个送人用的单个文件"
           "（见下面的“怎样把屏保送给亲友？”）。</li>\n"
           "      </ul>\n"
           "    </li>\n"
           "    <li>\n"
           "      <h3>安装使用</h3>\n"
           "      <p>点击 <span class='button'>安装</span>，运行作品文件夹里的安装程序，"
           "把做好的屏保装到这台电脑上。装好以后，电脑空闲时就会播放您的照片和音乐。</p>\n"
           "    </li>\n"
           "  </ol>\n"
           "  <p class='note'>想从头再做一个？点击右上方的 <span "
           "class='button'>开始新的制作</span>。"
           "它会清空作品文件夹，原来加入的照片、音乐和生成的程序都会被删除，"
           "如需保留请先把它们复制到别处。</p>\n"
           "</section>\n";
}

QByteArray HelpPage::questions() const {
    return "<section>\n"
           "  <h2>常见问题</h2>\n"
           "  <dl>\n"
           "    <dt>屏保正在播放，怎样退出？</dt>\n"
           "    <dd>按键盘上的任意一个键、单击鼠标，或者轻轻移动一下鼠标，"
           "屏保就会结束，回到原来的画面。</dd>\n"
           "    <dt>做好的作品保存在哪里？</dt>\n"
           "    <dd>在本程序所在的文件夹里，有一个名叫 <code>制作好的屏幕程序</code> 的文件夹，"
           "您加入的照片、音乐和生成的屏保程序都放在那里。</dd>\n"
           "    <dt>怎样把屏保送给亲友？</dt>\n"
           "    <dd>点过生成窗口里的 <span class='button'>生成程序</span> 以后，"
           "作品文件夹里有两个文件，每个都装着整个屏保，发一个给对方就够了：\n"
           "      <ul>\n"
           "        <li>用 Windows 的亲友：发 <code>屏幕保护-Windows.exe</code>，"
           "对方双击运行它就会安装。</li>\n"
           "        <li>用 Linux 的亲友：发 <code>屏幕保护-Linux.run</code>，"
           "对方在终端里运行 <code>sh 屏幕保护-Linux.run</code>，"
           "文件管理器允许的话也可以直接双击它。</li>\n"
           "      </ul>\n"
           "      把整个作品文件夹复制给和您用同一种系统的亲友也可以，"
           "运行里面的 <code>setup.exe</code> 安装。"
           "每次点 <span class='button'>确定</span> 重新整理作品后，"
           "请再点一次 <span class='button'>生成程序</span>，两个文件才会跟着更新。</dd>\n"
           "    <dt>窗口右上角的几个按钮是做什么的？</dt>\n"
           "    <dd>“?” 打开这份帮助；“—” 把窗口缩小到任务栏；“×” 关闭制作器。</dd>\n"
           "    <dt>照片会变形吗？</dt>\n"
           "    <dd>不会。预览框只是把照片拉伸到框的大小，方便您快速查看，"
           "您的照片文件不会被改动。清晰、明亮的照片在全屏播放时效果最好。</dd>\n"
           "  </dl>\n"
           "</section>\n";
}

}  // namespace glint::assets
