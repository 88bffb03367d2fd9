// setting.ini, the manuals and the installed layout of the program folder.
#include "IniText.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <memory>

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

}  // namespace

class assets_ProgramFolder : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        static int argc = 1;
        static char name[] = "assets_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    static void TearDownTestSuite() { app_.reset(); }

    static std::unique_ptr<QGuiApplication> app_;
};

std::unique_ptr<QGuiApplication> assets_ProgramFolder::app_;

TEST_F(assets_ProgramFolder, SettingsMatchARealRouterAndTheDesign) {
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

// The Manual button opens <Manual Path>_<language file stem>.pdf.
TEST_F(assets_ProgramFolder, EveryShippedLanguageHasItsIllustratedManual) {
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
    }
}

TEST_F(assets_ProgramFolder, InstallPutsOneProgramFolderALauncherAndADesktopEntry) {
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    QProcess install;
    install.start(QStringLiteral(CORVANE_CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(CORVANE_BINARY_DIR), QStringLiteral("--prefix"), prefix.path()});
    ASSERT_TRUE(install.waitForFinished(60000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();
    const QDir root(prefix.path());
    QStringList expected = {
        "lib/corvane-setup/setting.ini", "lib/corvane-setup/Language/English.ini",
        "lib/corvane-setup/Language/Czechic.ini", "lib/corvane-setup/Language/SimpChinese.ini",
        "lib/corvane-setup/Skin/dlgMainUI.bmp", "lib/corvane-setup/Skin/pic/English_Setup4.bmp",
        "lib/corvane-setup/Skin/cn/Setup4.bmp", "lib/corvane-setup/Guide_English.pdf",
        "share/applications/corvane-setup.desktop", "share/icons/hicolor/256x256/apps/corvane-setup.png",
        "share/icons/hicolor/16x16/apps/corvane-setup.png"};
#ifdef CORVANE_INSTALLS_SETUP
    expected << "lib/corvane-setup/Setup";
#endif
#ifdef CORVANE_INSTALLS_LIBRARY
    expected << "lib/corvane-setup/libCorvanelib.so";
#endif
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
