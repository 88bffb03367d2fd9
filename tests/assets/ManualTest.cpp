// The manuals as they are read and set: every shipped source reads without a
// fault, leaves no Markdown marker in the text and keeps captions and
// headings on the page of what follows them; faulty sources are reported.
#include "ManualMarkdown.h"
#include "ManualTypesetter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTextBlock>


namespace {

const QString kManualDir = QStringLiteral(CORVANE_SOURCE_DIR "/assets/manual");
const QSize kPicture(648, 360);  // the instruction pictures' size

QString ReadSource(const QString& language) {
    QFile file(QStringLiteral("%1/%2.md").arg(kManualDir, language));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QList<QImage> Pictures(int count) {
    QImage picture(kPicture, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    return QList<QImage>(count, picture);
}

QFont ManualFont() {
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPointSize(11);
    return font;
}

QString Spans(const ManualBlock& block) {
    QString text;
    for (const ManualSpan& span : block.spans) {
        text += span.bold ? QStringLiteral("<b>%1</b>").arg(span.text) : span.text;
    }
    return text;
}

// The A4 printable area the manuals are printed on, and shorter pages that
// force captions and headings near a page end.
TEST(assets_Manual, ShippedSourcesSetCleanlyWithCaptionsBesideTheirFigures) {
    const qreal pageHeights[] = {986.5, 700, 555, 430};
    for (const char* language : {"English", "Czechic", "SimpChinese"}) {
        const QString source = ReadSource(QLatin1String(language));
        ASSERT_FALSE(source.isEmpty()) << language;
        for (qreal height : pageHeights) {
            SCOPED_TRACE(std::string(language) + " on pages " + std::to_string(height) + " px high");
            ManualTypesetter setter(ManualFont(), Pictures(4), QSizeF(657.6, height));
            EXPECT_EQ(setter.Set(ParseManual(source)), QStringList());
            EXPECT_EQ(LeftoverMarkup(setter.Document().toPlainText()), QStringList());
            EXPECT_EQ(setter.Title(), source.section(u'\n', 0, 0).mid(2));
            int figures = 0;
            for (QTextBlock block = setter.Document().begin(); block.next().isValid(); block = block.next()) {
                const bool isFigure = block.next().text() == QString(QChar::ObjectReplacementCharacter);
                const bool isHeading = block.charFormat().fontPointSize() > 11;
                figures += isFigure ? 1 : 0;
                if (isFigure || isHeading) {
                    EXPECT_EQ(setter.FirstPage(block), setter.LastPage(block.next())) << block.text().toStdString();
                }
            }
            EXPECT_EQ(figures, 4);
        }
    }
}

TEST(assets_Manual, ReadsBoldListsAndCjkLinesAsWritten) {
    const struct {
        const char* markdown;
        const char* firstBlock;
        ManualBlock::Kind kind;
        int problems;
    } cases[] = {
        // Bold ending in full-width punctuation before a CJK letter.
        {"**开始之前：**请准备好资料。", "<b>开始之前：</b>请准备好资料。", ManualBlock::Kind::Paragraph, 0},
        {"单击**开始**。**说明书**打开本说明。", "单击<b>开始</b>。<b>说明书</b>打开本说明。", ManualBlock::Kind::Paragraph, 0},
        // CJK lines join without a space, Latin lines with one.
        {"它会检查网线、\n连接路由器", "它会检查网线、连接路由器", ManualBlock::Kind::Paragraph, 0},
        {"访问 **http://192.168.0.1**。\n使用用户名", "访问 <b>http://192.168.0.1</b>。使用用户名", ManualBlock::Kind::Paragraph, 0},
        {"Click **Next**\nagain", "Click <b>Next</b> again", ManualBlock::Kind::Paragraph, 0},
        {"12. Twelfth\nstep", "Twelfth step", ManualBlock::Kind::Numbered, 0},
        {"- **PPPoE**: a user name", "<b>PPPoE</b>: a user name", ManualBlock::Kind::Bullet, 0},
        {"## 3. Heading", "3. Heading", ManualBlock::Kind::Heading, 0},
        // An unpaired marker stays visible and is reported.
        {"a **b", "a **b", ManualBlock::Kind::Paragraph, 1},
        {"![2](step3)", "", ManualBlock::Kind::Figure, 1},
    };
    for (const auto& c : cases) {
        const ManualSource source = ParseManual(QString::fromUtf8(c.markdown));
        ASSERT_FALSE(source.blocks.isEmpty()) << c.markdown;
        EXPECT_EQ(Spans(source.blocks.front()), QString::fromUtf8(c.firstBlock)) << c.markdown;
        EXPECT_EQ(source.blocks.front().kind, c.kind) << c.markdown;
        EXPECT_EQ(source.problems.size(), c.problems) << c.markdown;
    }
}

TEST(assets_Manual, SettingReportsMissingTitleAndPictures) {
    const struct {
        const char* markdown;
        int pictures;
        int problems;
    } cases[] = {
        {"# Title\n\nCaption\n\n![1](step1)", 1, 0},
        {"Caption\n\n![1](step1)", 1, 1},
        {"# Title\n\n![5](step5)", 4, 1},
    };
    for (const auto& c : cases) {
        ManualTypesetter setter(ManualFont(), Pictures(c.pictures), QSizeF(657.6, 986.5));
        EXPECT_EQ(setter.Set(ParseManual(QString::fromUtf8(c.markdown))).size(), c.problems) << c.markdown;
    }
}

TEST(assets_Manual, FindsMarkersLeftInReadableText) {
    const struct {
        const char* text;
        QStringList found;
    } cases[] = {
        {"**开始之前：**请准备", {"**", "**"}},
        {"## Heading\nplain", {"##"}},
        {"see ![1](step1)", {"![", "]("}},
        {"`code` and __init", {"`", "`", "__"}},
        {"2 * 3 = 6, C# and a-b", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LeftoverMarkup(QString::fromUtf8(c.text)), c.found) << c.text;
    }
}

}  // namespace
