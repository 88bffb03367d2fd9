#include "SkinWriter.h"

#include "ButtonArt.h"
#include "IconArt.h"
#include "InstructionArt.h"
#include "ManualWriter.h"
#include "PageArt.h"
#include "PictureFiles.h"
#include "ProgressArt.h"
#include "SkinGeometry.h"
#include "WindowArt.h"

#include <QDir>

namespace {

struct Language {
    QString stem;
    InstructionCaptions (*captions)();
};

const Language kLanguages[] = {
    {QStringLiteral("English"), &InstructionCaptions::English},
    {QStringLiteral("Czechic"), &InstructionCaptions::Czech},
    {QStringLiteral("SimpChinese"), &InstructionCaptions::SimplifiedChinese},
};

const int kIconSizes[] = {16, 32, 48, 256};

}  // namespace

void SkinWriter::Check(bool ok, const QString& what) {
    if (!ok) {
        failures_.append(what);
    }
}

QString SkinWriter::SkinPath(const QString& name) const {
    return programDir_ + QStringLiteral("/Skin/") + name;
}

bool SkinWriter::WriteSkin() {
    const QDir root(programDir_);
    Check(root.mkpath(QStringLiteral("Skin/pic")) && root.mkpath(QStringLiteral("Skin/cn")),
          QStringLiteral("Skin folders"));
    WriteWindows();
    WriteButtons();
    WriteIcons();
    WritePages();
    WriteInstructions();
    return failures_.isEmpty();
}

void SkinWriter::WriteWindows() {
    const QString frame = SkinPath(QStringLiteral("dlgMainUI.bmp"));
    Check(WriteBmp24(WindowArt::Frame(), frame), frame);
    const QString box = SkinPath(QStringLiteral("DlgMessageBox.bmp"));
    Check(WriteBmp24(WindowArt::MessageBox(), box), box);
    const QString linkError = SkinPath(QStringLiteral("link_error.bmp"));
    Check(WriteBmp24(WindowArt::LinkError(), linkError), linkError);
    for (int type = 1; type <= 3; ++type) {
        const QString symbol = SkinPath(QStringLiteral("MsgBox_%1.bmp").arg(type));
        Check(WriteBmp24(IconArt::MessageSymbol(type), symbol), symbol);
    }
    for (int frame = 1; frame <= 5; ++frame) {
        const QString progress = SkinPath(QStringLiteral("progress%1.png").arg(frame));
        Check(ProgressArt::Picture(frame).save(progress, "PNG"), progress);
    }
}

void SkinWriter::WriteButtons() {
    using SkinGeometry::kWideButton;
    const struct {
        const char* name;
        QSize frame;
        ButtonArt::Tone tone;
    } strips[] = {
        {"CommonButton.bmp", SkinGeometry::kCommonButton, ButtonArt::Tone::Blue},
        {"CommonButton_Little.bmp", SkinGeometry::kLittleButton, ButtonArt::Tone::Blue},
        {"Button_Clone.bmp", kWideButton, ButtonArt::Tone::Teal},
        {"Button_Restore.bmp", kWideButton, ButtonArt::Tone::Slate},
        {"Button_Card.bmp", SkinGeometry::kCardButton, ButtonArt::Tone::Blue},
    };
    for (const auto& strip : strips) {
        const QString path = SkinPath(QString::fromLatin1(strip.name));
        Check(WriteBmp24(ButtonArt::PushStrip(strip.frame, strip.tone), path), path);
    }
    const QString check = SkinPath(QStringLiteral("btnCheck_Default.bmp"));
    Check(WriteBmp24(ButtonArt::CheckBoxStrip(), check), check);
}

void SkinWriter::WriteIcons() {
    QList<QImage> logos;
    for (int size : kIconSizes) {
        logos.append(IconArt::Logo(size));
    }
    const QString logo = SkinPath(QStringLiteral("logo.ico"));
    Check(WriteIco(logos, logo), logo);
    const QString check = SkinPath(QStringLiteral("RadioCheck.cur"));
    Check(WriteCur(IconArt::Cursor(true), IconArt::CursorHotSpot(), check), check);
    const QString uncheck = SkinPath(QStringLiteral("RadioUnCheck.cur"));
    Check(WriteCur(IconArt::Cursor(false), IconArt::CursorHotSpot(), uncheck), uncheck);
}

void SkinWriter::WritePages() {
    const struct {
        const char* name;
        PageArt::Kind kind;
    } pages[] = {
        {"Background1.bmp", PageArt::Kind::Welcome},
        {"Background2.bmp", PageArt::Kind::Common},
        // The result page draws its own state sign over the common picture.
        {"Background3.bmp", PageArt::Kind::Common},
    };
    for (const auto& page : pages) {
        const QString path = SkinPath(QString::fromLatin1(page.name));
        Check(WriteBmp24(PageArt::Background(page.kind), path), path);
    }
}

void SkinWriter::WriteInstructions() {
    const InstructionArt english(InstructionCaptions::English());
    const InstructionArt chinese(InstructionCaptions::SimplifiedChinese());
    for (int step = 1; step <= 4; ++step) {
        const QString cn = SkinPath(QStringLiteral("cn/Setup%1.bmp").arg(step));
        Check(WriteBmp24(chinese.Picture(step), cn), cn);
    }
    for (int step = 1; step <= 3; ++step) {
        const QString pic = SkinPath(QStringLiteral("pic/Setup%1.bmp").arg(step));
        Check(WriteBmp24(english.Picture(step), pic), pic);
    }
    for (const Language& language : kLanguages) {
        const QString pic = SkinPath(QStringLiteral("pic/%1_Setup4.bmp").arg(language.stem));
        Check(WriteBmp24(InstructionArt(language.captions()).Picture(4), pic), pic);
    }
}

bool SkinWriter::WriteDesktopIcons() {
    for (int size : kIconSizes) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(iconDir_).arg(size);
        const QString path = dir + QStringLiteral("/corvane-setup.png");
        Check(QDir().mkpath(dir) && IconArt::Logo(size).save(path, "PNG"), path);
    }
    return failures_.isEmpty();
}

bool SkinWriter::WriteManuals(const QString& sourceDir, const QString& stem) {
    for (const Language& language : kLanguages) {
        const InstructionCaptions captions = language.captions();
        const InstructionArt art(captions);
        QList<QImage> pictures;
        for (int step = 1; step <= 4; ++step) {
            pictures.append(art.Picture(step));
        }
        const QString pdf = QStringLiteral("%1/%2_%3.pdf").arg(programDir_, stem, language.stem);
        const ManualWriter writer(QStringLiteral("%1/%2.md").arg(sourceDir, language.stem), captions.chinese);
        Check(writer.Write(pictures, pdf), pdf);
    }
    return failures_.isEmpty();
}
