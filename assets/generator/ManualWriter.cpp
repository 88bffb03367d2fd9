#include "ManualWriter.h"

#include "DrawKit.h"

#include "ManualMarkdown.h"
#include "ManualTypesetter.h"

#include <QDateTime>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextStream>

namespace {

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

// A4 with 18 mm margins; the document is laid out on the printable area in
// its own pixels (96 per inch) and scaled to the page when printed.
QPageLayout ManualPage() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 18, 18, 18),
                       QPageLayout::Millimeter);
}

QSizeF PrintableArea() {
    constexpr qreal kPixelsPerMillimetre = 96 / 25.4;
    return ManualPage().paintRect(QPageLayout::Millimeter).size() * kPixelsPerMillimetre;
}

// The writer finishes the file when it goes out of scope.
void Print(const QTextDocument& document, const QString& title, const QString& pdfPath) {
    QPdfWriter writer(pdfPath);
    writer.setPageLayout(ManualPage());
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Corvane Setup"));
    document.print(&writer);
}

void Report(const QString& markdownPath, const QStringList& problems) {
    QTextStream err(stderr);
    for (const QString& problem : problems) {
        err << markdownPath << ": " << problem << "\n";
    }
}

}  // namespace

bool ManualWriter::Write(const QList<QImage>& pictures, const QString& pdfPath) const {
    const QString markdown = ReadUtf8(markdownPath_);
    if (markdown.isEmpty()) {
        return false;
    }
    // Point sizes, not pixel sizes: the text must scale to the printer.
    QFont font = DrawKit::PictureFont(chinese_, 12, false);
    font.setPointSize(11);
    ManualTypesetter setter(font, pictures, PrintableArea());
    QStringList problems = setter.Set(ParseManual(markdown));
    for (const QString& marker : LeftoverMarkup(setter.Document().toPlainText())) {
        problems << QStringLiteral("\"%1\" is left in the text").arg(marker);
    }
    if (!problems.isEmpty()) {
        Report(markdownPath_, problems);
        return false;
    }
    Print(setter.Document(), setter.Title(), pdfPath);
    return StampCreationDate(pdfPath);
}
