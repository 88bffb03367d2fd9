#include "NetworkCardWriter.h"

#include "QrCodeImage.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr int kResolution = 300;   // dots per inch of the page
constexpr int kMargin = 150;       // half an inch
constexpr int kQrSide = 900;       // three inches
constexpr int kLabelWidth = 700;

class CardPainter {
public:
    CardPainter(QPainter& painter, const QString& fontFace, int width)
        : painter_(painter), face_(fontFace), width_(width)
    {
    }

    void Heading(const QString& text, int points)
    {
        SetFont(points, true);
        Paragraph(text);
        y_ += 40;
    }

    void Lines(const QList<CardLine>& lines)
    {
        for (const CardLine& line : lines) {
            SetFont(11, true);
            const QRect labelBox(kMargin, y_, kLabelWidth, 1000);
            const QRect labelUsed = painter_.boundingRect(labelBox, Qt::TextWordWrap, line.label);
            painter_.drawText(labelBox, Qt::TextWordWrap, line.label);
            SetFont(11, false);
            const QRect valueBox(kMargin + kLabelWidth + 40, y_, width_ - kLabelWidth - 40, 1000);
            const QRect valueUsed = painter_.boundingRect(valueBox, Qt::TextWrapAnywhere, line.value);
            painter_.drawText(valueBox, Qt::TextWrapAnywhere, line.value);
            y_ += std::max(labelUsed.height(), valueUsed.height()) + 20;
        }
        y_ += 60;
    }

    void Code(const QString& text)
    {
        const QImage code = DrawQrCode(text, kQrSide);
        if (!code.isNull())
            painter_.drawImage(QPoint(kMargin + (width_ - kQrSide) / 2, y_), code);
        y_ += kQrSide + 20;
    }

    void Note(const QString& text, int points)
    {
        SetFont(points, false);
        Paragraph(text, Qt::AlignHCenter);
        y_ += 60;
    }

private:
    void SetFont(int points, bool bold)
    {
        QFont font(face_);
        font.setPointSize(points);
        font.setBold(bold);
        painter_.setFont(font);
    }

    void Paragraph(const QString& text, Qt::Alignment align = Qt::AlignLeft)
    {
        const QRect box(kMargin, y_, width_, 2000);
        const int flags = static_cast<int>(align) | Qt::TextWordWrap;
        const QRect used = painter_.boundingRect(box, flags, text);
        painter_.drawText(box, flags, text);
        y_ += used.height();
    }

    QPainter& painter_;
    QString face_;
    int width_;
    int y_ = kMargin;
};

} // namespace

bool WriteNetworkCard(const NetworkCardContent& card, const QString& path, const QString& fontFace)
{
    QPdfWriter writer(path);
    writer.setResolution(kResolution);
    writer.setPageSize(QPageSize(QPageSize::A5));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(card.title);
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    CardPainter page(painter, fontFace, writer.width() - 2 * kMargin);
    page.Heading(card.title, 20);
    page.Lines(card.wireless);
    page.Code(card.joinCode);
    page.Note(card.scanHint, 10);
    page.Heading(card.internetTitle, 14);
    page.Lines(card.internet);
    page.Note(card.dateLine, 9);
    return painter.end();
}
