#include "ManualWriter.h"

#include "DrawKit.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

namespace {

constexpr int kPictureWidth = 480;  // 5 inches at the document's 96 DPI

QString ReadUtf8(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

// The PDF writer stamps the wall-clock time; a build must not depend on it.
// SOURCE_DATE_EPOCH when given, else the release date. The stamp keeps its
// length, so the cross-reference offsets stay valid.
bool StampCreationDate(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        return false;
    }
    QByteArray pdf = file.readAll();
    bool epochOk = false;
    const qint64 epoch = qEnvironmentVariableIntValue("SOURCE_DATE_EPOCH", &epochOk);
    const QDateTime when = epochOk ? QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC)
                                   : QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
    const QByteArray stamp = "/CreationDate (D:" + when.toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + "Z)";
    static const QRegularExpression pattern(QStringLiteral("/CreationDate \\(D:\\d{14}Z\\)"));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(pdf));
    if (!match.hasMatch() || match.capturedLength() != stamp.size()) {
        return false;
    }
    pdf.replace(match.capturedStart(), stamp.size(), stamp);
    return file.seek(0) && file.write(pdf) == pdf.size();
}

// The writer finishes the file when it goes out of scope.
void Print(const QTextDocument& document, const QString& pdfPath) {
    QPdfWriter writer(pdfPath);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
    writer.setTitle(QFileInfo(pdfPath).completeBaseName());
    writer.setCreator(QStringLiteral("Corvane Setup"));
    document.print(&writer);
}

}  // namespace

bool ManualWriter::Write(const QList<QImage>& pictures, const QString& pdfPath) const {
    const QString markdown = ReadUtf8(markdownPath_);
    if (markdown.isEmpty()) {
        return false;
    }
    QTextDocument document;
    // Point sizes, not pixel sizes: the text must scale to the printer.
    QFont font = DrawKit::PictureFont(chinese_, 12, false);
    font.setPointSize(11);
    document.setDefaultFont(font);
    document.setMarkdown(markdown);
    // After the Markdown: loading it clears the document's resources.
    for (int i = 0; i < pictures.size(); ++i) {
        document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("step%1").arg(i + 1)),
                             pictures[i].scaledToWidth(kPictureWidth, Qt::SmoothTransformation));
    }

    Print(document, pdfPath);
    return StampCreationDate(pdfPath);
}
