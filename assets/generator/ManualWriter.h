// Renders a language's manual from its Markdown source into a PDF titled by
// its "# " line, with the instruction pictures of that language placed where
// the text names them. A source fault or a marker left in the text is
// reported on standard error and fails the manual.
#pragma once

#include <QImage>
#include <QList>
#include <QString>

class ManualWriter {
public:
    ManualWriter(QString markdownPath, bool chinese) : markdownPath_(std::move(markdownPath)), chinese_(chinese) {}

    // pictures[i] is shown where the text has ![<i+1>](step<i+1>).
    bool Write(const QList<QImage>& pictures, const QString& pdfPath) const;

private:
    QString markdownPath_;
    bool chinese_;
};
