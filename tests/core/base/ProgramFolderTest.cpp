#include "ProgramFolder.h"

#include "TempFiles.h"

#include <QFileInfo>
#include <QProcess>

namespace {

TEST(ProgramFolder, DefaultsToTheExecutablesFolderWithFinalSlash)
{
    QProcess helper;
    helper.start(QStringLiteral(INSTANCE_HELPER), {QStringLiteral("folder")});
    ASSERT_TRUE(helper.waitForFinished(10000));
    const QString expected = QFileInfo(QStringLiteral(INSTANCE_HELPER)).canonicalPath() + u'/';
    EXPECT_EQ(QString::fromLocal8Bit(helper.readAllStandardOutput()).trimmed(), expected);
}

TEST(ProgramFolder, SetFolderGetsAFinalSlash)
{
    SetProgramFolder(QStringLiteral("/opt/wizard"));
    EXPECT_EQ(GetProgramFolder(), QStringLiteral("/opt/wizard/"));
    SetProgramFolder(QStringLiteral("/opt/wizard/"));
    EXPECT_EQ(GetProgramFolder(), QStringLiteral("/opt/wizard/"));
}

TEST(ResolveProgramPath, FindsWindowsStyleNamesIgnoringCase)
{
    TempFolder folder;
    folder.Write(QStringLiteral("Skin/progress1.png"), QStringLiteral("x"));
    folder.Write(QStringLiteral("Skin/Background2.bmp"), QStringLiteral("x"));
    folder.Write(QStringLiteral("setting.ini"), QStringLiteral("x"));
    const QString root = folder.Path();
    const struct {
        QString name;
        QString expected;
    } cases[] = {
        {root + QStringLiteral("Skin\\progress1.png"), root + QStringLiteral("Skin/progress1.png")},
        {root + QStringLiteral("\\Skin\\Background2.bmp"), root + QStringLiteral("Skin/Background2.bmp")},
        {root + QStringLiteral("SKIN\\BACKGROUND2.BMP"), root + QStringLiteral("Skin/Background2.bmp")},
        {root + QStringLiteral("Setting.ini"), root + QStringLiteral("setting.ini")},
        {root + QStringLiteral("skin//\\missing.bmp"), root + QStringLiteral("Skin/missing.bmp")},
        {root + QStringLiteral("Nowhere\\Deeper\\file.ini"), root + QStringLiteral("Nowhere/Deeper/file.ini")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolveProgramPath(c.name), c.expected) << c.name.toStdString();
}

TEST(ResolveProgramPath, PrefersTheExactSpelling)
{
    TempFolder folder;
    folder.Write(QStringLiteral("Setting.ini"), QStringLiteral("upper"));
    folder.Write(QStringLiteral("setting.ini"), QStringLiteral("lower"));
    EXPECT_EQ(ResolveProgramPath(folder.Path() + QStringLiteral("setting.ini")), folder.Path() + QStringLiteral("setting.ini"));
    EXPECT_EQ(ResolveProgramPath(folder.Path() + QStringLiteral("Setting.ini")), folder.Path() + QStringLiteral("Setting.ini"));
}

} // namespace
