// Sets a parsed manual as a paginated text document: headings, lists, bold
// runs and the pictures. A heading stays on the page of the text after it, a
// caption (the paragraph before a figure) on the page of its figure.
#pragma once

#include "ManualMarkdown.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QSizeF>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <memory>

class ManualTypesetter {
public:
    // pictures[i] is figure i + 1; pageSize is the printable area in the
    // document's pixels (96 per inch).
    ManualTypesetter(QFont font, QList<QImage> pictures, QSizeF pageSize);

    // Problems found in the source or in setting it; the document is built in
    // any case.
    QStringList Set(const ManualSource& source);
    QTextDocument& Document() { return *document_; }
    const QTextDocument& Document() const { return *document_; }
    QString Title() const { return title_; }
    // Page index of a block's first line and of its last line.
    int FirstPage(const QTextBlock& block) const;
    int LastPage(const QTextBlock& block) const;

private:
    void Append(const ManualBlock& block, QStringList& problems);
    QTextCursor NewBlock(const QTextBlockFormat& format, const QTextCharFormat& chars);
    void AppendText(const ManualBlock& block);
    void JoinList(ManualBlock::Kind kind, QTextCursor& cursor);
    void AppendFigure(int figure, QStringList& problems);
    void MarkCaption(const QTextBlock& caption);
    void KeepWithNext();

    QFont font_;
    QList<QImage> pictures_;
    QSizeF pageSize_;
    std::unique_ptr<QTextDocument> document_;
    QString title_;
    bool empty_ = true;
    QTextList* list_ = nullptr;
    ManualBlock::Kind listKind_ = ManualBlock::Kind::Paragraph;
    QList<int> keepWithNext_;  // block numbers to keep on the page of the block after them
};
