// setting.ini, the manuals and the installed layout of the program folder.
#include "ContrastRatio.h"
#include "IniText.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

const QString kProgramDir = QStringLiteral(CORVANE_PROGRAM_DIR);

IniText Settings() {
    IniText ini;
    EXPECT_TRUE(ini.Load(kProgramDir + QStringLiteral("/setting.ini")));
    return ini;
}

bool IsColourTriple(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    bool ok = parts.size() == 3;
    for (const QString& part : parts) {
        bool isNumber = false;
        const int value = part.trimmed().toInt(&isNumber);
        ok = ok && isNumber && value >= 0 && value <= 255;
    }
    return ok;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The document title of a PDF: a literal string of UTF-16BE after a byte
// order mark, with backslash escapes.
QString PdfTitle(const QByteArray& pdf) {
    const qsizetype start = pdf.indexOf("/Title (");
    if (start < 0) {
        return {};
    }
    QByteArray raw;
    for (qsizetype i = start + 8; i < pdf.size() && pdf[i] != ')'; ++i) {
        raw += pdf[i] == '\\' && i + 1 < pdf.size() ? pdf[++i] : pdf[i];
    }
    if (!raw.startsWith("\xFE\xFF")) {
        return QString::fromLatin1(raw);
    }
    QString title;
    for (qsizetype i = 2; i + 1 < raw.size(); i += 2) {
        title += QChar(static_cast<char16_t>((static_cast<uchar>(raw[i]) << 8) | static_cast<uchar>(raw[i + 1])));
    }
    return title;
}

QString ManualHeading(const QString& language) {
    const QByteArray source = ReadAll(QStringLiteral(CORVANE_SOURCE_DIR "/assets/manual/%1.md").arg(language));
    return QString::fromUtf8(source.left(source.indexOf('\n'))).mid(2);
}

QColor Triple(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    return parts.size() == 3 ? QColor(parts[0].toInt(), parts[1].toInt(), parts[2].toInt()) : QColor();
}

// Contrast of a text colour against the lowest-contrast pixel of an area.
double WorstContrast(const QImage& image, const QRect& area, const QColor& text) {
    double worst = 21;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            worst = qMin(worst, ContrastRatio(text.rgb(), image.pixel(x, y)));
        }
    }
    return worst;
}

QStringList FilesUnder(const QString& root) {
    QStringList files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files.append(it.next().mid(root.size()));
    }
    files.sort();
    return files;
}

}  // namespace

TEST(assets_ProgramFolder, SettingsMatchARealRouterAndTheDesign) {
    const IniText ini = Settings();
    const struct {
        const char* key;
        const char* value;
    } defaults[] = {{"Default Language", "English.ini"}, {"LAN IP", "192.168.0.1"}, {"User Name", "admin"},
                    {"Password", "qzmvx"}, {"Multi Language", "0"}};
    for (const auto& d : defaults) {
        EXPECT_EQ(ini.Value(QStringLiteral("Setting"), QLatin1String(d.key)), QLatin1String(d.value)) << d.key;
    }
    EXPECT_EQ(ini.Find(QStringLiteral("Setting"), QStringLiteral("Manual")), nullptr) << "one manual per language";
    const QString face = ini.Value(QStringLiteral("Font"), QStringLiteral("FontName"));
    EXPECT_TRUE(QFontDatabase::families().contains(face)) << face.toStdString() << " is not installed";
    EXPECT_TRUE(QFontDatabase::writingSystems(face).contains(QFontDatabase::SimplifiedChinese));
    for (const char* key : {"FontColor", "BtnMouseOverColor", "EditFontColor", "EditBkColor"}) {
        EXPECT_TRUE(IsColourTriple(ini.Value(QStringLiteral("Font"), QLatin1String(key)))) << key;
    }
}

// The Manual button opens <Manual Path>_<language file stem>.pdf, titled as
// its source is.
TEST(assets_ProgramFolder, EveryShippedLanguageHasItsIllustratedManual) {
    const QString stem = Settings().Value(QStringLiteral("Setting"), QStringLiteral("Manual Path"));
    ASSERT_FALSE(stem.isEmpty());
    const QFileInfoList languages = QDir(kProgramDir + QStringLiteral("/Language")).entryInfoList({QStringLiteral("*.ini")});
    ASSERT_EQ(languages.size(), 3);
    static const QRegularExpression image(QStringLiteral("/Subtype\\s*/Image"));
    for (const QFileInfo& language : languages) {
        const QString pdf = QStringLiteral("%1/%2_%3.pdf").arg(kProgramDir, stem, language.completeBaseName());
        const QByteArray data = ReadAll(pdf);
        EXPECT_TRUE(data.startsWith("%PDF-")) << pdf.toStdString();
        EXPECT_EQ(QString::fromLatin1(data).count(image), 4) << pdf.toStdString() << ": the four cabling pictures";
        EXPECT_EQ(PdfTitle(data), ManualHeading(language.completeBaseName())) << pdf.toStdString();
    }
}

TEST(assets_ProgramFolder, InstallPutsOneProgramFolderALauncherAndADesktopEntry) {
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    QProcess install;
    install.start(QStringLiteral(CORVANE_CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(CORVANE_BINARY_DIR), QStringLiteral("--prefix"), prefix.path()});
    ASSERT_TRUE(install.waitForFinished(60000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();
    const QDir root(prefix.path());
    const QStringList expected = {
        "lib/corvane-setup/setting.ini", "lib/corvane-setup/Language/English.ini",
        "lib/corvane-setup/Language/Czechic.ini", "lib/corvane-setup/Language/SimpChinese.ini",
        "lib/corvane-setup/Skin/dlgMainUI.bmp", "lib/corvane-setup/Skin/pic/English_Setup4.bmp",
        "lib/corvane-setup/Skin/cn/Setup4.bmp", "lib/corvane-setup/Guide_English.pdf",
        "share/applications/corvane-setup.desktop", "share/icons/hicolor/256x256/apps/corvane-setup.png",
        "share/icons/hicolor/16x16/apps/corvane-setup.png", "lib/corvane-setup/Setup",
        "lib/corvane-setup/libCorvanelib.so", "share/man/man1/corvane-setup.1.gz",
        "share/doc/corvane-setup/changelog.gz", "share/doc/corvane-setup/copyright"};
    for (const QString& path : expected) {
        EXPECT_TRUE(root.exists(path)) << path.toStdString();
    }
    const QFileInfo launcher(root.filePath(QStringLiteral("bin/corvane-setup")));
    EXPECT_TRUE(launcher.isExecutable());
    EXPECT_TRUE(ReadAll(launcher.filePath()).contains("lib/corvane-setup/Setup"));
    const QByteArray entry = ReadAll(root.filePath(QStringLiteral("share/applications/corvane-setup.desktop")));
    EXPECT_TRUE(entry.contains("\nExec=corvane-setup\n"));
    EXPECT_TRUE(entry.contains("\nIcon=corvane-setup\n"));
}

// The frame's labels and web link are drawn in "FontColor" (hover:
// "BtnMouseOverColor") straight onto the banner and the bottom bar.
TEST(assets_ProgramFolder, FrameTextColoursStandOutFromTheFramePicture) {
    const IniText ini = Settings();
    const QImage frame(kProgramDir + QStringLiteral("/Skin/dlgMainUI.bmp"));
    ASSERT_FALSE(frame.isNull());
    const QRect labels(400, 6, 260, 56);
    const QRect webLink(20, 452, 280, 24);
    const QColor text = Triple(ini.Value(QStringLiteral("Font"), QStringLiteral("FontColor")));
    const QColor hover = Triple(ini.Value(QStringLiteral("Font"), QStringLiteral("BtnMouseOverColor")));
    EXPECT_GE(WorstContrast(frame, labels, text), 4.5);
    EXPECT_GE(WorstContrast(frame, webLink, text), 4.5);
    EXPECT_GE(WorstContrast(frame, webLink, hover), 3.0);
}

// Same sources, same bytes: a rebuild never changes a shipped file.
TEST(assets_ProgramFolder, TheGeneratorRepeatsItsOutputByteForByte) {
    QTemporaryDir again;
    ASSERT_TRUE(again.isValid());
    QProcess generator;
    generator.start(QStringLiteral(CORVANE_ASSET_GENERATOR),
                    {again.filePath(QStringLiteral("program")), QStringLiteral(CORVANE_SOURCE_DIR "/assets/manual"),
                     QStringLiteral(CORVANE_SOURCE_DIR "/assets/setting.ini"), again.filePath(QStringLiteral("icons"))});
    ASSERT_TRUE(generator.waitForFinished(60000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
    const QString fresh = again.filePath(QStringLiteral("program"));
    const QStringList files = FilesUnder(fresh);
    EXPECT_EQ(files.size(), 55);  // 33 skin files, 19 of them with an @2x twin, and 3 manuals
    for (const QString& file : files) {
        EXPECT_EQ(ReadAll(fresh + file), ReadAll(kProgramDir + file)) << file.toStdString();
    }
}
