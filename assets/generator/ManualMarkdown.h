// The small Markdown dialect the manuals are written in: a "# " title, "## "
// headings, paragraphs, "1. " and "- " list items, **bold** runs and figures
// "![n](stepn)" on a line of their own. Anything else stays plain text, so a
// checker can find markers that did not turn into formatting.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct ManualSpan {
    QString text;
    bool bold = false;
};

struct ManualBlock {
    enum class Kind { Title, Heading, Paragraph, Numbered, Bullet, Figure };
    Kind kind = Kind::Paragraph;
    QList<ManualSpan> spans;  // empty for figures
    int figure = 0;           // 1-based picture number of a figure
};

struct ManualSource {
    QList<ManualBlock> blocks;
    QStringList problems;  // one line per fault found while reading
};

ManualSource ParseManual(const QString& markdown);

// Joins the lines of one paragraph: a space between words, none where either
// side is a CJK character, as those scripts have no spaces between words.
QString JoinManualLines(const QStringList& lines);

// Markdown markers that survive in text meant to be read: bold or code
// markers, image links, heading hashes at a line start.
QStringList LeftoverMarkup(const QString& plainText);
