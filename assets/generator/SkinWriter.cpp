#include "SkinWriter.h"

#include "ButtonArt.h"
#include "DrawKit.h"
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
    WriteAtBothScales(QStringLiteral("dlgMainUI.bmp"), &WindowArt::Frame);
    WriteAtBothScales(QStringLiteral("DlgMessageBox.bmp"), &WindowArt::MessageBox);
    WriteAtBothScales(QStringLiteral("link_error.bmp"), &WindowArt::LinkError);
    for (int type = 1; type <= 3; ++type) {
        WriteAtBothScales(QStringLiteral("MsgBox_%1.bmp").arg(type), [type] { return IconArt::MessageSymbol(type); });
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
        WriteAtBothScales(QString::fromLatin1(page.name), [kind = page.kind] { return PageArt::Background(kind); });
    }
}

// The first three general pictures serve every language but Chinese, so
// they carry no words; the fourth exists once per language.
void SkinWriter::WriteInstructions() {
    const InstructionArt languageFree(InstructionCaptions::LanguageFree());
    const InstructionArt chinese(InstructionCaptions::SimplifiedChinese());
    for (int step = 1; step <= 4; ++step) {
        WriteAtBothScales(QStringLiteral("cn/Setup%1.bmp").arg(step), [&chinese, step] { return chinese.Picture(step); });
    }
    for (int step = 1; step <= 3; ++step) {
        WriteAtBothScales(QStringLiteral("pic/Setup%1.bmp").arg(step),
                          [&languageFree, step] { return languageFree.Picture(step); });
    }
    for (const Language& language : kLanguages) {
        const InstructionArt art(language.captions());
        WriteAtBothScales(QStringLiteral("pic/%1_Setup4.bmp").arg(language.stem), [&art] { return art.Picture(4); });
    }
}

void SkinWriter::WriteAtBothScales(const QString& name, const std::function<QImage()>& draw) {
    const QString path = SkinPath(name);
    Check(WriteBmp24(draw(), path), path);
    const QString dense = path.left(path.size() - 4) + QStringLiteral("@2x.bmp");
    DrawKit::SetPictureScale(2);
    Check(WriteBmp24(draw(), dense), dense);
    DrawKit::SetPictureScale(1);
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
