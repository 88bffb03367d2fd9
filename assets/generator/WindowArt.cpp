#include "WindowArt.h"

#include "DeviceArt.h"
#include "DrawKit.h"
#include "KeyColour.h"
#include "Palette.h"
#include "SkinGeometry.h"

#include <QPainterPath>

using namespace SkinGeometry;

namespace {

QPainterPath Outline(QSize size, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, size.width(), size.height()), radius, radius);
    return path;
}

void StrokeOutline(QPainter& painter, QSize size, qreal radius, const QColor& colour) {
    painter.save();
    painter.setClipping(false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, 1.5));
    painter.drawRoundedRect(QRectF(0.75, 0.75, size.width() - 1.5, size.height() - 1.5), radius - 0.75,
                            radius - 0.75);
    painter.restore();
}

}  // namespace

void WindowArt::PaintBanner(QPainter& painter, const QRectF& band, bool flipped) {
    QLinearGradient gradient(band.topLeft(), band.topRight());
    gradient.setColorAt(flipped ? 1 : 0, Palette::kNavy);
    // Dark enough at both ends for white labels and a pale hover colour.
    gradient.setColorAt(0.6, QColor(15, 82, 120));
    gradient.setColorAt(flipped ? 0 : 1, QColor(12, 100, 114));
    painter.fillRect(band, gradient);
    painter.save();
    painter.setClipRect(band);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 14));
    const qreal cx = flipped ? band.left() + 60 : band.right() - 160;
    painter.drawEllipse(QPointF(cx, band.center().y() + 70), 150, 110);
    painter.drawEllipse(QPointF(cx + 120, band.center().y() - 60), 120, 90);
    painter.restore();
}

QImage WindowArt::Frame() {
    QImage image = DrawKit::TransparentCanvas(kFrame);
    QPainter painter(&image);
    DrawKit::Prepare(painter);
    painter.setClipPath(Outline(kFrame, kFrameRadius));
    painter.fillRect(QRect(QPoint(0, 0), kFrame), Palette::kMist);
    PaintBanner(painter, QRectF(0, 0, kFrame.width(), kBannerBottom), false);
    PaintBanner(painter, QRectF(0, kBottomBarTop, kFrame.width(), kFrame.height() - kBottomBarTop), true);
    painter.fillRect(QRectF(0, kBannerBottom - 2, kFrame.width(), 2), Palette::kTeal);
    painter.fillRect(QRectF(0, kBottomBarTop, kFrame.width(), 2), Palette::kTeal);
    const QRectF pageArea(12, 69, kPage.width(), kPage.height());
    DrawKit::CardShadow(painter, pageArea, 4);
    painter.fillRect(pageArea, Palette::kWhite);
    StrokeOutline(painter, kFrame, kFrameRadius, Palette::kNavy);
    painter.end();
    return CutToKeyColour(image);
}

void WindowArt::PaintDialogCard(QPainter& painter, QSize size, int footerTop) {
    painter.setClipPath(Outline(size, kDialogRadius));
    painter.fillRect(QRect(QPoint(0, 0), size), Palette::kWhite);
    QLinearGradient accent(0, 0, size.width(), 0);
    accent.setColorAt(0, Palette::kBlue);
    accent.setColorAt(1, Palette::kTeal);
    painter.fillRect(QRectF(0, 0, size.width(), 7), accent);
    painter.fillRect(QRectF(0, footerTop, size.width(), size.height() - footerTop), Palette::kMist);
    painter.fillRect(QRectF(0, footerTop, size.width(), 1), Palette::kLine);
    StrokeOutline(painter, size, kDialogRadius, QColor(91, 127, 153));
}

QImage WindowArt::MessageBox() {
    QImage image = DrawKit::TransparentCanvas(kMessageBox);
    QPainter painter(&image);
    DrawKit::Prepare(painter);
    PaintDialogCard(painter, kMessageBox, 140);
    painter.end();
    return CutToKeyColour(image);
}

void WindowArt::PaintBrokenLink(QPainter& painter) {
    DeviceArt art(painter);
    const QPointF pcSocket = art.Computer(QRectF(40, 52, 150, 160));
    art.RouterFront(QRectF(300, 140, 140, 52), 1);
    art.Waves(QPointF(370, 122), 40, 0, Palette::kLine, Palette::kLine);
    const QPointF routerSocket(370, 192);
    QPainterPath left(pcSocket);
    left.lineTo(pcSocket.x(), 226);
    left.lineTo(228, 226);
    QPainterPath right(QPointF(268, 226));
    right.lineTo(routerSocket.x(), 226);
    right.lineTo(routerSocket);
    art.Cable(left, false);
    art.Cable(right, false);
    const QPointF gap(248, 226);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(224, 73, 62, 45));
    painter.drawEllipse(gap, 27, 27);
    painter.setBrush(Palette::kRed);
    painter.drawEllipse(gap, 19, 19);
    painter.setPen(QPen(Palette::kWhite, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(gap + QPointF(-7, -7), gap + QPointF(7, 7));
    painter.drawLine(gap + QPointF(7, -7), gap + QPointF(-7, 7));
    painter.restore();
}

QImage WindowArt::LinkError() {
    QImage image = DrawKit::TransparentCanvas(kLinkError);
    QPainter painter(&image);
    DrawKit::Prepare(painter);
    PaintDialogCard(painter, kLinkError, 244);
    PaintBrokenLink(painter);
    painter.end();
    return CutToKeyColour(image);
}
