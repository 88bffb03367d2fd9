// Every picture the program reads from Skin/: present, of the size the
// dialogs are laid out for, and cut by the key colour only where meant.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QtEndian>

namespace {

const QRgb kKey = qRgb(255, 255, 0);

enum class Cut { None, Outline };

struct Picture {
    const char* name;
    int width;
    int height;
    int frames;  // side by side; each frame is cut on its own
    Cut cut;
};

const Picture kPictures[] = {
    {"dlgMainUI.bmp", 673, 500, 1, Cut::Outline},
    {"DlgMessageBox.bmp", 420, 195, 1, Cut::Outline},
    {"link_error.bmp", 756, 308, 1, Cut::Outline},
    {"CommonButton.bmp", 400, 30, 4, Cut::Outline},
    {"CommonButton_Little.bmp", 288, 24, 4, Cut::Outline},
    {"Button_Clone.bmp", 480, 30, 4, Cut::Outline},
    {"Button_Restore.bmp", 480, 30, 4, Cut::Outline},
    {"Button_Card.bmp", 640, 30, 4, Cut::Outline},
    {"btnCheck_Default.bmp", 120, 20, 6, Cut::Outline},
    {"Background1.bmp", 648, 360, 1, Cut::None},
    {"Background2.bmp", 648, 360, 1, Cut::None},
    {"Background3.bmp", 648, 360, 1, Cut::None},
    {"MsgBox_1.bmp", 64, 64, 1, Cut::None},
    {"MsgBox_2.bmp", 64, 64, 1, Cut::None},
    {"MsgBox_3.bmp", 64, 64, 1, Cut::None},
    {"progress1.png", 453, 130, 1, Cut::None},
    {"progress2.png", 453, 130, 1, Cut::None},
    {"progress3.png", 453, 130, 1, Cut::None},
    {"progress4.png", 453, 130, 1, Cut::None},
    {"progress5.png", 453, 130, 1, Cut::None},
};

const char* const kInstructionPictures[] = {
    "pic/Setup1.bmp", "pic/Setup2.bmp", "pic/Setup3.bmp", "pic/English_Setup4.bmp",
    "pic/Czechic_Setup4.bmp", "pic/SimpChinese_Setup4.bmp", "cn/Setup1.bmp", "cn/Setup2.bmp",
    "cn/Setup3.bmp", "cn/Setup4.bmp",
};

QString SkinPath(const char* name) { return QStringLiteral(CORVANE_PROGRAM_DIR "/Skin/") + QLatin1String(name); }

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int BmpBitCount(const QString& path) {
    const QByteArray data = ReadAll(path);
    return data.size() > 30 && data.startsWith("BM") ? qFromLittleEndian<quint16>(data.constData() + 28) : 0;
}

// The non-key pixels of each row form one unbroken run: nothing inside the
// outline is cut, and the corners are.
void ExpectCutOnlyOutside(const QImage& image, int x0, int width, const std::string& what) {
    for (int y = 0; y < image.height(); ++y) {
        int first = -1;
        int last = -1;
        int solid = 0;
        for (int x = x0; x < x0 + width; ++x) {
            if (image.pixel(x, y) != kKey) {
                first = first < 0 ? x : first;
                last = x;
                ++solid;
            }
        }
        const int span = solid == 0 ? 0 : last - first + 1;
        ASSERT_EQ(solid, span) << what << ": key colour inside the outline in row " << y;
    }
    EXPECT_EQ(image.pixel(x0, 0), kKey) << what;
    EXPECT_EQ(image.pixel(x0 + width - 1, image.height() - 1), kKey) << what;
    EXPECT_NE(image.pixel(x0 + width / 2, image.height() / 2), kKey) << what;
}

int KeyPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == kKey ? 1 : 0;
        }
    }
    return count;
}

// A black caption must stay readable over every pixel of the area.
void ExpectLight(const QImage& image, const QRect& area, const std::string& what) {
    int darkest = 255;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            darkest = qMin(darkest, qGray(image.pixel(x, y)));
        }
    }
    EXPECT_GE(darkest, 200) << what;
}

}  // namespace

TEST(assets_SkinPictures, EachLoadsWithItsSizeAndIsCutOnlyOutsideItsOutline) {
    for (const Picture& p : kPictures) {
        const QImage image(SkinPath(p.name));
        ASSERT_FALSE(image.isNull()) << p.name;
        EXPECT_EQ(image.size(), QSize(p.width, p.height)) << p.name;
        if (QLatin1String(p.name).endsWith(QLatin1String(".bmp"))) {
            EXPECT_EQ(BmpBitCount(SkinPath(p.name)), 24) << p.name;
        }
        ASSERT_EQ(image.width() % p.frames, 0) << p.name;
        const int frameWidth = image.width() / p.frames;
        for (int f = 0; f < p.frames && p.cut == Cut::Outline; ++f) {
            ExpectCutOnlyOutside(image, f * frameWidth, frameWidth, std::string(p.name) + " frame " + std::to_string(f));
        }
        if (p.cut == Cut::None) {
            EXPECT_EQ(KeyPixels(image), 0) << p.name;
        }
    }
}

TEST(assets_SkinPictures, PagesLeaveRoomForTheStepNumberTitleAndProgressText) {
    std::vector<std::string> pages = {"Background2.bmp", "Background3.bmp"};
    pages.insert(pages.end(), std::begin(kInstructionPictures), std::end(kInstructionPictures));
    for (const std::string& name : pages) {
        const QImage image(SkinPath(name.c_str()));
        ASSERT_EQ(image.size(), QSize(648, 360)) << name;
        EXPECT_EQ(KeyPixels(image), 0) << name;
        ExpectLight(image, QRect(0, 0, 80, 70), name + " step number corner");
        ExpectLight(image, QRect(80, 10, 480, 50), name + " title band");
    }
    for (int n = 1; n <= 5; ++n) {
        const std::string name = "progress" + std::to_string(n) + ".png";
        // The text line, whether the picture is shown from (0, 0) or from (5, 5).
        ExpectLight(QImage(SkinPath(name.c_str())), QRect(20, 96, 418, 29), name);
    }
}

TEST(assets_SkinPictures, ProgressPicturesDifferSoTheyAnimate) {
    const QImage first(SkinPath("progress1.png"));
    for (int n = 2; n <= 5; ++n) {
        EXPECT_NE(QImage(SkinPath(("progress" + std::to_string(n) + ".png").c_str())), first) << n;
    }
}

// Every fixed picture name written in the program's sources is shipped
// (names built from a number or a language are covered above).
TEST(assets_SkinPictures, EveryNameTheSourcesSpellOutIsShipped) {
    static const QRegularExpression name(
        QStringLiteral(R"re(Skin(?:\\|/)+((?:(?:pic|cn)(?:\\|/)+)?\w+\.(?:bmp|png|ico|cur))")re"));
    QDirIterator files(QStringLiteral(CORVANE_SOURCE_DIR "/wizard"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                       QDir::Files, QDirIterator::Subdirectories);
    int found = 0;
    while (files.hasNext()) {
        QFile file(files.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QRegularExpressionMatchIterator it = name.globalMatch(QString::fromUtf8(file.readAll()));
        while (it.hasNext()) {
            QString picture = it.next().captured(1);
            picture.replace(QRegularExpression(QStringLiteral(R"([\\/]+)")), QStringLiteral("/"));
            EXPECT_TRUE(QFileInfo::exists(SkinPath(picture.toUtf8().constData())))
                << picture.toStdString() << " named in " << file.fileName().toStdString();
            ++found;
        }
    }
    if (found == 0) {
        GTEST_SKIP() << "no picture names in wizard/ yet";
    }
}

// Dense screens paint the "@2x" twins: twice the size, the same picture.
TEST(assets_SkinPictures, DenseTwinsShowThePictureAtTwiceTheSize) {
    std::vector<std::string> names = {"dlgMainUI", "DlgMessageBox", "link_error", "Background1", "Background2",
                                      "Background3", "MsgBox_1", "MsgBox_2", "MsgBox_3"};
    for (const char* instruction : kInstructionPictures) {
        names.emplace_back(QString::fromLatin1(instruction).chopped(4).toStdString());
    }
    for (const std::string& name : names) {
        const QImage plain(SkinPath((name + ".bmp").c_str()));
        const QImage twin(SkinPath((name + "@2x.bmp").c_str()));
        ASSERT_FALSE(twin.isNull()) << name;
        EXPECT_EQ(twin.devicePixelRatio(), 2.0) << name;
        ASSERT_EQ(twin.size(), plain.size() * 2) << name;
        EXPECT_EQ(BmpBitCount(SkinPath((name + "@2x.bmp").c_str())), 24) << name;
        // Shrunk back, the twin differs from the plain picture only along
        // edges that land between pixels.
        const QImage shrunk = twin.scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        qint64 difference = 0;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                difference += qAbs(qGray(plain.pixel(x, y)) - qGray(shrunk.pixel(x, y)));
            }
        }
        EXPECT_LT(difference / (plain.width() * plain.height()), 8) << name;
    }
}

// The general pictures of the first three steps serve every language but
// Chinese, so no caption is baked into them; the Chinese ones keep theirs.
TEST(assets_SkinPictures, GeneralInstructionPicturesCarryNoWords) {
    const QRect hintLine(40, 318, 568, 32);
    for (int step = 1; step <= 3; ++step) {
        const std::string general = "pic/Setup" + std::to_string(step) + ".bmp";
        ExpectLight(QImage(SkinPath(general.c_str())), hintLine, general + " hint line");
        const std::string chinese = "cn/Setup" + std::to_string(step) + ".bmp";
        const QImage withWords(SkinPath(chinese.c_str()));
        int darkest = 255;
        for (int x = hintLine.left(); x <= hintLine.right(); ++x) {
            darkest = qMin(darkest, qGray(withWords.pixel(x, hintLine.center().y())));
        }
        EXPECT_LT(darkest, 150) << chinese << " lost its hint line";
    }
}
