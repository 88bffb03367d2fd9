#include "ManualTypesetter.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QTextList>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace {

using Kind = ManualBlock::Kind;

constexpr int kPictureWidth = 480;  // 5 inches at the document's 96 DPI

struct Look {
    qreal sizeFactor;
    bool bold;
    qreal topMargin;
    qreal bottomMargin;
};

Look LookOf(Kind kind) {
    switch (kind) {
    case Kind::Title:
        return {1.8, true, 0, 14};
    case Kind::Heading:
        return {1.3, true, 14, 6};
    case Kind::Numbered:
    case Kind::Bullet:
        return {1.0, false, 0, 4};
    case Kind::Paragraph:
    case Kind::Figure:
        break;
    }
    return {1.0, false, 0, 8};
}

QString PlainText(const QList<ManualSpan>& spans) {
    QString text;
    for (const ManualSpan& span : spans) {
        text += span.text;
    }
    return text;
}

}  // namespace

ManualTypesetter::ManualTypesetter(QFont font, QList<QImage> pictures, QSizeF pageSize)
    : font_(std::move(font)), pictures_(std::move(pictures)), document_(std::make_unique<QTextDocument>()) {
    document_->setDefaultFont(font_);
    document_->setDocumentMargin(0);
    document_->setPageSize(pageSize);
}

QStringList ManualTypesetter::Set(const ManualSource& source) {
    QStringList problems = source.problems;
    for (const ManualBlock& block : source.blocks) {
        Append(block, problems);
    }
    if (title_.isEmpty()) {
        problems << QStringLiteral("no \"# \" title line");
    }
    KeepWithNext();
    return problems;
}

int ManualTypesetter::FirstPage(const QTextBlock& block) const {
    document_->pageCount();  // finishes the layout
    const QTextLayout* layout = block.layout();
    const qreal top = layout->position().y() + (layout->lineCount() > 0 ? layout->lineAt(0).y() : 0);
    return static_cast<int>(std::floor(top / document_->pageSize().height()));
}

int ManualTypesetter::LastPage(const QTextBlock& block) const {
    document_->pageCount();
    const QTextLayout* layout = block.layout();
    qreal bottom = layout->position().y();
    if (layout->lineCount() > 0) {
        const QTextLine last = layout->lineAt(layout->lineCount() - 1);
        bottom += last.y() + last.height();
    }
    return static_cast<int>(std::floor((bottom - 0.5) / document_->pageSize().height()));
}

void ManualTypesetter::Append(const ManualBlock& block, QStringList& problems) {
    if (block.kind == Kind::Figure) {
        AppendFigure(block.figure, problems);
        return;
    }
    AppendText(block);
    if (block.kind == Kind::Title && title_.isEmpty()) {
        title_ = PlainText(block.spans);
    }
    if (block.kind == Kind::Heading) {
        keepWithNext_.append(document_->lastBlock().blockNumber());
    }
}

QTextCursor ManualTypesetter::NewBlock(const QTextBlockFormat& format, const QTextCharFormat& chars) {
    QTextCursor cursor(document_.get());
    cursor.movePosition(QTextCursor::End);
    if (empty_) {
        cursor.setBlockFormat(format);
        cursor.setBlockCharFormat(chars);
        empty_ = false;
    } else {
        cursor.insertBlock(format, chars);
    }
    return cursor;
}

void ManualTypesetter::AppendText(const ManualBlock& block) {
    const Look look = LookOf(block.kind);
    QTextBlockFormat format;
    format.setTopMargin(look.topMargin);
    format.setBottomMargin(look.bottomMargin);
    QTextCharFormat chars;
    QFont font = font_;
    font.setPointSizeF(font_.pointSizeF() * look.sizeFactor);
    font.setBold(look.bold);
    chars.setFont(font);
    QTextCursor cursor = NewBlock(format, chars);
    for (const ManualSpan& span : block.spans) {
        QTextCharFormat spanChars = chars;
        spanChars.setFontWeight(span.bold || look.bold ? QFont::Bold : QFont::Normal);
        cursor.insertText(span.text, spanChars);
    }
    JoinList(block.kind, cursor);
}

// Consecutive items of one kind form one list; anything else ends it.
void ManualTypesetter::JoinList(Kind kind, QTextCursor& cursor) {
    if (kind != Kind::Numbered && kind != Kind::Bullet) {
        list_ = nullptr;
        return;
    }
    if (list_ != nullptr && listKind_ == kind) {
        list_->add(cursor.block());
        return;
    }
    QTextListFormat format;
    format.setStyle(kind == Kind::Numbered ? QTextListFormat::ListDecimal : QTextListFormat::ListDisc);
    list_ = cursor.createList(format);
    listKind_ = kind;
}

void ManualTypesetter::AppendFigure(int figure, QStringList& problems) {
    if (figure < 1 || figure > pictures_.size()) {
        problems << QStringLiteral("figure %1: there are %2 pictures").arg(figure).arg(pictures_.size());
        return;
    }
    if (!empty_) {
        MarkCaption(document_->lastBlock());
    }
    const QImage& picture = pictures_[figure - 1];
    const QString name = QStringLiteral("step%1").arg(figure);
    document_->addResource(QTextDocument::ImageResource, QUrl(name), picture);
    QTextBlockFormat format;
    format.setAlignment(Qt::AlignHCenter);
    format.setBottomMargin(16);
    QTextCursor cursor = NewBlock(format, QTextCharFormat());
    QTextImageFormat image;
    image.setName(name);
    image.setWidth(kPictureWidth);
    image.setHeight(static_cast<qreal>(kPictureWidth) * picture.height() / std::max(1, picture.width()));
    cursor.insertImage(image);
    list_ = nullptr;
}

// The caption sits close above its figure and goes to a new page with it.
void ManualTypesetter::MarkCaption(const QTextBlock& caption) {
    QTextBlockFormat format = caption.blockFormat();
    format.setBottomMargin(4);
    QTextCursor(caption).setBlockFormat(format);
    keepWithNext_.append(caption.blockNumber());
}

// A heading or a caption that would end a page apart from what follows it
// starts the next page instead.
void ManualTypesetter::KeepWithNext() {
    for (int number : keepWithNext_) {
        const QTextBlock block = document_->findBlockByNumber(number);
        if (!block.next().isValid() || FirstPage(block) == LastPage(block.next())) {
            continue;
        }
        QTextBlockFormat format = block.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).setBlockFormat(format);
    }
}
