#include "PageTestSupport.h"

#include "CIpAddressEdit.h"
#include "ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

namespace {

// Texts that differ from their keys, so a test sees the lookup happen.
const QByteArray kEnglishTexts = "[String]\r\n"
                                 "Waring=Warning\r\n"
                                 "Success=Done\r\n"
                                 "Your connection way=Your connection is\r\n"
                                 "PPPoE=PPPoE dial-up\r\n"
                                 "Static IP=Fixed address\r\n"
                                 "Auto detection failure=Detection failed\r\n"
                                 "Auto detection failure Desc=Choose the type yourself\r\n"
                                 "Account Empty=Enter the account\r\n"
                                 "Check accounts correct=Account accepted\r\n"
                                 "WPA2 Key Mode=WPA2 cipher\r\n"
                                 "WPA2 Key=WPA2 passphrase\r\n"
                                 "Auto=automatic\r\n"
                                 "Dynamic=From provider\r\n";

constexpr int kBoxesAnsweredPerTest = 16;

void WriteFile(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

} // namespace

PageTest::PageTest()
{
    SetProgramFolder(folder_.path());
    WriteLanguageFile(QStringLiteral("English.ini"), kEnglishTexts);
    CDlgMessageBox::TakeRecordedCalls();
    // Every box a test makes the page show is answered at once, so no test
    // ever waits on a window; what was shown is recorded all the same.
    for (int i = 0; i < kBoxesAnsweredPerTest; ++i)
        CDlgMessageBox::SetNextAnswer(CDlgMessageBox::kOk);
}

PageTest::~PageTest()
{
    CDlgMessageBox::TakeRecordedCalls();
}

void PageTest::WriteSettings(const QByteArray& iniText)
{
    WriteFile(folder_.filePath(QStringLiteral("setting.ini")), iniText);
}

void PageTest::WriteLanguageFile(const QString& name, const QByteArray& iniText)
{
    WriteFile(folder_.filePath(QStringLiteral("Language/") + name), iniText);
}

void TypeInto(QWidget* edit, const QString& text)
{
    ASSERT_NE(edit, nullptr);
    if (auto* line = qobject_cast<QLineEdit*>(edit))
        line->clear();
    for (const QChar ch : text) {
        // The ASCII key table knows no other characters: those arrive as
        // text of an unnamed key, as an input method delivers them.
        if (ch.unicode() < 0x80)
            QTest::keyClick(edit, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

void TypeAddress(CIpAddressEdit* entry, const QString& dotted)
{
    ASSERT_NE(entry, nullptr);
    const QList<QLineEdit*> octets = entry->findChildren<QLineEdit*>();
    const QStringList parts = dotted.split(u'.');
    ASSERT_EQ(octets.size(), 4);
    ASSERT_EQ(parts.size(), 4);
    for (int i = 0; i < 4; ++i)
        TypeInto(octets[i], parts[i]);
}

QString BuiltProgramFolder()
{
    return QStringLiteral(CORVANE_BUILT_PROGRAM_DIR);
}

void SavePageScreenshot(QWidget* page, const QString& name)
{
    QDir().mkpath(QStringLiteral(PAGE_SCREENSHOT_DIR));
    page->grab().save(QStringLiteral(PAGE_SCREENSHOT_DIR "/") + name + QStringLiteral(".png"));
}
