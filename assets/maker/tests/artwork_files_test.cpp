// Checks the committed artwork against what the authoring window needs of it: every file present at
// its control's exact size, the places the window paints over left as it expects, and the help page
// usable from disk; the English set (en/, pb_en.htm) the same as the Chinese.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QRect>
#include <QString>
#include <QStringConverter>
#include <QStringList>
#include <cstdlib>
#include <vector>

namespace glint::assets {
namespace {

// The folders of the window's two sets of pictures: Chinese and English.
const QString kSets[] = {QString(), QStringLiteral("en/")};

QString artworkPath(const QString& name) {
    return QDir(QStringLiteral(GLINT_MAKER_ARTWORK_DIR)).filePath(name);
}

QImage load(const QString& name) {
    QImage picture(artworkPath(name));
    EXPECT_FALSE(picture.isNull()) << name.toStdString();
    return picture.convertToFormat(QImage::Format_ARGB32);
}

// Mean over the rectangle of (r + g + b) / 3.
double meanLevel(const QImage& picture, const QRect& area) {
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = picture.pixel(x, y);
            sum += (qRed(p) + qGreen(p) + qBlue(p)) / 3.0;
        }
    }
    return sum / (area.width() * area.height());
}

// The largest channel difference between a picture and the same-sized area of another, averaged
// over the picture.
double meanDifference(const QImage& picture, const QImage& window, QPoint at) {
    double sum = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb a = picture.pixel(x, y);
            const QRgb b = window.pixel(at.x() + x, at.y() + y);
            sum += std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                             std::abs(qBlue(a) - qBlue(b))});
        }
    }
    return sum / (picture.width() * picture.height());
}

struct ExpectedFile {
    const char* name;
    const char* format;
    int width;
    int height;
};

TEST(ArtworkFiles, EveryPictureHasItsControlsExactSize) {
    const ExpectedFile files[] = {
        {"background.jpg", "jpeg", 701, 407},
        {"shiji.jpg", "jpeg", 34, 44},
        {"sample_photo.jpg", "jpeg", 151, 198},
        {"icon.png", "png", 32, 32},
        {"hand.png", "png", 32, 32},
        {"question.png", "png", 32, 32},
        {"pic/001_1.jpg", "jpeg", 139, 28},
        {"pic/001_2.jpg", "jpeg", 139, 28},
        {"pic/002_1.jpg", "jpeg", 139, 28},
        {"pic/002_2.jpg", "jpeg", 139, 28},
        {"pic/003_1.jpg", "jpeg", 139, 28},
        {"pic/003_2.jpg", "jpeg", 139, 28},
        {"pic/004_1.jpg", "jpeg", 139, 28},
        {"pic/004_2.jpg", "jpeg", 139, 28},
        {"pic/005_1.jpg", "jpeg", 139, 28},
        {"pic/005_2.jpg", "jpeg", 139, 28},
        {"pic/guan_1.jpg", "jpeg", 15, 11},
        {"pic/guan_2.jpg", "jpeg", 15, 11},
        {"pic/zuixiao_1.jpg", "jpeg", 15, 11},
        {"pic/zuixiao_2.jpg", "jpeg", 15, 11},
    };
    for (const ExpectedFile& file : files) {
        SCOPED_TRACE(file.name);
        QImageReader reader(artworkPath(QString::fromUtf8(file.name)));
        ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
        EXPECT_EQ(reader.format(), QByteArray(file.format));
        EXPECT_EQ(reader.size(), QSize(file.width, file.height));
    }
}

TEST(ArtworkFiles, EveryChinesePictureOfTheWindowHasAnEnglishTwinOfItsSize) {
    QStringList names{QStringLiteral("background.jpg"), QStringLiteral("shiji.jpg")};
    for (QDirIterator pic(artworkPath(QStringLiteral("pic")), QDir::Files); pic.hasNext();) {
        names << QStringLiteral("pic/") + QFileInfo(pic.next()).fileName();
    }
    ASSERT_EQ(names.size(), 16);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        QImageReader chinese(artworkPath(name));
        QImageReader english(artworkPath(QStringLiteral("en/") + name));
        ASSERT_TRUE(english.canRead()) << english.errorString().toStdString();
        EXPECT_EQ(english.format(), chinese.format());
        EXPECT_EQ(english.size(), chinese.size());
    }
}

TEST(ArtworkFiles, LabelPlacesInTheBackgroundAreBlack) {
    // The window's opaque labels paint black boxes; anything else under them would show as a patch.
    const QRect previewCaption(56, 336, 48, 12);
    const QRect version(256, 72, 24, 12);
    const QRect webAddress(40, 104, 160, 12);
    for (const QString& set : kSets) {
        const QImage background = load(set + QStringLiteral("background.jpg"));
        for (const QRect& place : {previewCaption, version, webAddress}) {
            EXPECT_LT(meanLevel(background, place), 4.0) << set.toStdString() << place.x();
        }
    }
}

TEST(ArtworkFiles, TitleButtonsMatchTheGlyphsUnderThem) {
    for (const QString& set : kSets) {
        const QImage background = load(set + QStringLiteral("background.jpg"));
        EXPECT_LT(
            meanDifference(load(set + QStringLiteral("pic/guan_1.jpg")), background, {665, 13}),
            8.0);
        EXPECT_LT(
            meanDifference(load(set + QStringLiteral("pic/zuixiao_1.jpg")), background, {647, 13}),
            8.0);
    }
}

TEST(ArtworkFiles, HighlightedButtonsAreBrighter) {
    const char* buttons[] = {"001", "002", "003", "004", "005", "guan", "zuixiao"};
    for (const QString& set : kSets) {
        for (const char* button : buttons) {
            SCOPED_TRACE(set.toStdString() + button);
            const QString name = set + QStringLiteral("pic/") + QString::fromUtf8(button);
            const QImage normal = load(name + QStringLiteral("_1.jpg"));
            const QImage hot = load(name + QStringLiteral("_2.jpg"));
            EXPECT_GT(meanLevel(hot, hot.rect()), meanLevel(normal, normal.rect()) + 10);
        }
    }
}

TEST(ArtworkFiles, HandCursorClicksWithItsFingertip) {
    // The program sets the cursor's hot spot to (12, 1): it must be the finger's topmost pixel.
    const QImage hand = load(QStringLiteral("hand.png"));
    EXPECT_EQ(qAlpha(hand.pixel(12, 1)), 255);
    EXPECT_LT(qAlpha(hand.pixel(12, 0)), 32);
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)}) {
        EXPECT_EQ(qAlpha(hand.pixel(corner)), 0);
    }
    const QImage icon = load(QStringLiteral("icon.png"));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(16, 16)), 255);
}

TEST(ArtworkFiles, TheWindowsIconIsTheIconPicturePixelForPixel) {
    QImageReader reader(artworkPath(QStringLiteral("icon.ico")));
    ASSERT_TRUE(reader.canRead()) << reader.errorString().toStdString();
    EXPECT_EQ(reader.format(), QByteArray("ico"));
    const QImage ico = reader.read().convertToFormat(QImage::Format_ARGB32);
    const QImage png = load(QStringLiteral("icon.png"));
    ASSERT_EQ(ico.size(), png.size());
    // Qt's icon reader hands over premultiplied colours: a faint pixel's colour comes back
    // within a step of its premultiplied value.
    for (int y = 0; y < png.height(); ++y) {
        for (int x = 0; x < png.width(); ++x) {
            const QRgb a = ico.pixel(x, y);
            const QRgb b = png.pixel(x, y);
            ASSERT_EQ(qAlpha(a), qAlpha(b)) << x << "," << y;
            for (const int shift : {0, 8, 16}) {
                const int difference = std::abs(static_cast<int>((a >> shift & 0xFF)) -
                                                static_cast<int>((b >> shift & 0xFF)));
                ASSERT_LE(difference * qAlpha(a), 255) << x << "," << y;
            }
        }
    }
}

TEST(ArtworkFiles, QuestionBubbleIsCutOutForTheDialog) {
    // Shown on the light grey of a dialog: outside the bubble must be clear, not a painted square.
    const QImage question = load(QStringLiteral("question.png"));
    for (const QPoint outside : {QPoint(0, 0), QPoint(31, 31), QPoint(31, 28), QPoint(0, 31)}) {
        EXPECT_EQ(qAlpha(question.pixel(outside)), 0) << outside.x() << "," << outside.y();
    }
    EXPECT_EQ(qAlpha(question.pixel(8, 12)), 255);
}

TEST(ArtworkFiles, HelpPagesAreSelfContainedUtf8) {
    const struct {
        const char* page;
        std::vector<const char*> captions;
    } pages[] = {
        {"pb.htm",
         {"加入选择图片", "加入背景音乐", "生成程序", "预览效果", "安装", "开始新的制作",
          "制作好的屏幕程序", "https://glint.example.org"}},
        {"pb_en.htm",
         {"Add pictures", "Add music", "Generate", "Preview", "Install", "New screensaver",
          "制作好的屏幕程序", "https://glint.example.org"}},
    };
    for (const auto& page : pages) {
        SCOPED_TRACE(page.page);
        QFile file(artworkPath(QString::fromUtf8(page.page)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        auto decode = QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = decode(file.readAll());
        EXPECT_FALSE(decode.hasError());
        EXPECT_TRUE(text.contains(QStringLiteral("<meta charset=\"utf-8\">")));
        // Opened from disk, possibly offline: nothing may be fetched from elsewhere.
        for (const char* outside : {"src=", "<link", "@import", "url("}) {
            EXPECT_FALSE(text.contains(QString::fromUtf8(outside), Qt::CaseInsensitive)) << outside;
        }
        // It explains the buttons by the captions the window shows.
        for (const char* caption : page.captions) {
            EXPECT_TRUE(text.contains(QString::fromUtf8(caption))) << caption;
        }
    }
}

}  // namespace
}  // namespace glint::assets
