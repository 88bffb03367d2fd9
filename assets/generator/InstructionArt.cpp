#include "InstructionArt.h"

#include "DrawKit.h"
#include "KeyColour.h"
#include "Palette.h"
#include "PageArt.h"
#include "SkinGeometry.h"

namespace {

const QRectF kRouterBody(290, 160, 320, 80);
constexpr qreal kCableLane = 298;  // cables run along here, below the devices

QPainterPath Route(QPointF from, QPointF to) {
    QPainterPath path(from);
    path.lineTo(from.x(), kCableLane - 14);
    path.quadTo(from.x(), kCableLane, from.x() + (to.x() > from.x() ? 14 : -14), kCableLane);
    path.lineTo(to.x() + (to.x() > from.x() ? -14 : 14), kCableLane);
    path.quadTo(to.x(), kCableLane, to.x(), kCableLane - 14);
    path.lineTo(to);
    return path;
}

}  // namespace

QImage InstructionArt::Picture(int step) const {
    QImage image = DrawKit::Canvas(SkinGeometry::kPage, QImage::Format_RGB32);
    QPainter painter(&image);
    DrawKit::Prepare(painter);
    PageArt::PaintCommon(painter);
    switch (step) {
    case 1: ModemToWan(painter); break;
    case 2: ComputerToLan(painter); break;
    case 3: PowerOn(painter); break;
    default: WaitForLights(painter); break;
    }
    Hint(painter, captions_.hints[static_cast<std::size_t>(qBound(1, step, 4) - 1)]);
    painter.end();
    return AvoidKeyColour(image);
}

RouterSockets InstructionArt::BackOfRouter(QPainter& painter, int highlightedPort) const {
    DeviceArt art(painter);
    const RouterSockets sockets = art.RouterBack(kRouterBody, highlightedPort);
    painter.save();
    painter.setFont(DrawKit::PictureFont(false, 10, true));
    painter.setPen(Palette::kSlate);
    painter.drawText(QRectF(sockets.wan.x() - 20, 180, 40, 14), Qt::AlignCenter, QStringLiteral("WAN"));
    const qreal lanMid = (sockets.lan[0].x() + sockets.lan[3].x()) / 2;
    painter.drawText(QRectF(lanMid - 40, 180, 80, 14), Qt::AlignCenter, QStringLiteral("LAN 1-4"));
    painter.restore();
    return sockets;
}

void InstructionArt::DeviceTag(QPainter& painter, QPointF centre, const QString& text, bool accent) const {
    if (text.isEmpty()) {
        return;
    }
    DrawKit::Tag(painter, centre, text, DrawKit::PictureFont(captions_.chinese, 13, true),
                 accent ? Palette::kTeal : Palette::kMist, accent ? Palette::kWhite : Palette::kInk);
}

void InstructionArt::Hint(QPainter& painter, const QString& text) const {
    if (text.isEmpty()) {
        return;
    }
    const QRectF band(40, 318, 568, 32);
    DrawKit::RoundedCard(painter, band, 16, Palette::kPaleTeal, Palette::kPaleTeal, 0);
    DrawKit::CentredText(painter, band, text, DrawKit::PictureFont(captions_.chinese, 15, true),
                         Palette::kNavy);
}

void InstructionArt::ModemToWan(QPainter& painter) const {
    DeviceArt art(painter);
    art.Cloud(QRectF(40, 80, 110, 58));
    DeviceTag(painter, QPointF(95, 118), captions_.internet, false);
    painter.setPen(QPen(Palette::kSlate, 3, Qt::DashLine, Qt::RoundCap));
    painter.drawLine(QPointF(95, 140), QPointF(95, 166));
    const QPointF modemSocket = art.Modem(QRectF(50, 166, 90, 110));
    const RouterSockets sockets = BackOfRouter(painter, 0);
    art.Cable(Route(modemSocket, sockets.wan), true);
    DeviceTag(painter, QPointF(205, 200), captions_.modem, false);
    DeviceTag(painter, QPointF(450, 120), captions_.router, false);
    DeviceTag(painter, QPointF(sockets.wan.x() + 100, 268), captions_.wanPort, true);
}

void InstructionArt::ComputerToLan(QPainter& painter) const {
    DeviceArt art(painter);
    const QPointF pcSocket = art.Computer(QRectF(40, 100, 170, 176));
    const RouterSockets sockets = BackOfRouter(painter, 1);
    art.Cable(Route(pcSocket, sockets.lan[0]), true);
    DeviceTag(painter, QPointF(98, 248), captions_.computer, false);
    DeviceTag(painter, QPointF(450, 120), captions_.router, false);
    DeviceTag(painter, QPointF(sockets.lan[0].x() + 110, 268), captions_.lanPort, true);
}

void InstructionArt::PowerOn(QPainter& painter) const {
    DeviceArt art(painter);
    art.WallOutlet(QRectF(55, 130, 80, 100));
    const QPointF plug = art.PowerAdapter(QRectF(73, 158, 44, 56));
    const RouterSockets sockets = BackOfRouter(painter, -1);
    art.Cable(Route(plug, sockets.power), true);
    art.LightningBadge(QPointF(215, 205), 22);
    DeviceTag(painter, QPointF(95, 108), captions_.adapter, false);
    DeviceTag(painter, QPointF(450, 120), captions_.router, false);
}

void InstructionArt::WaitForLights(QPainter& painter) const {
    DeviceArt art(painter);
    art.Hourglass(QRectF(70, 140, 90, 110));
    DeviceTag(painter, QPointF(115, 278), captions_.aboutOneMinute, true);
    const QRectF body(230, 180, 300, 76);
    art.Waves(QPointF(380, 158), 60, 3, Palette::kTeal, Palette::kLine);
    art.RouterFront(body, 5);
    painter.save();
    painter.setFont(DrawKit::PictureFont(false, 9, true));
    painter.setPen(Palette::kSlate);
    const QString names[] = {QStringLiteral("PWR"), QStringLiteral("SYS"), QStringLiteral("WLAN"),
                             QStringLiteral("WAN"), QStringLiteral("LAN")};
    for (int i = 0; i < 5; ++i) {
        const qreal x = body.left() + body.width() * (0.22 + 0.14 * i);
        painter.drawText(QRectF(x - 22, body.bottom() - 20, 44, 12), Qt::AlignCenter, names[i]);
    }
    painter.restore();
    DeviceTag(painter, QPointF(380, 282), captions_.router, false);
}
