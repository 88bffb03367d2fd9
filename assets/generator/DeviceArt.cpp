#include "DeviceArt.h"

#include "DrawKit.h"
#include "Palette.h"

#include <QLineF>
#include <QPolygonF>

namespace {

const QColor kOutline = Palette::kNavy;
const QColor kCableIdle{160, 172, 184};

}  // namespace

void DeviceArt::Antennas(const QRectF& body) {
    painter_.save();
    painter_.setPen(QPen(kOutline, 2));
    painter_.setBrush(Palette::kInk);
    const qreal h = body.height() * 0.9;
    for (qreal fx : {0.15, 0.85}) {
        const qreal x = body.left() + body.width() * fx;
        painter_.drawRoundedRect(QRectF(x - 5, body.top() - h, 10, h + 4), 5, 5);
    }
    painter_.restore();
}

void DeviceArt::Port(const QRectF& port, const QColor& colour, bool highlighted) {
    painter_.save();
    if (highlighted) {
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(QColor(21, 163, 168, 70));
        painter_.drawEllipse(port.center(), port.width() * 1.1, port.width() * 1.1);
    }
    painter_.setPen(QPen(kOutline, 1.5));
    painter_.setBrush(colour);
    painter_.drawRoundedRect(port, 3, 3);
    painter_.setBrush(Palette::kInk);
    painter_.drawRect(port.adjusted(5, 5, -5, -port.height() / 3));
    painter_.restore();
}

RouterSockets DeviceArt::RouterBack(const QRectF& body, int highlightedPort) {
    Antennas(body);
    DrawKit::RoundedCard(painter_, body, 14, DrawKit::Vertical(body, Palette::kWhite, Palette::kMist),
                         kOutline, 2.5);
    RouterSockets sockets;
    const qreal portW = body.width() * 0.095;
    const qreal portH = portW * 0.85;
    const qreal y = body.bottom() - portH - body.height() * 0.22;
    const qreal step = portW * 1.35;
    qreal x = body.left() + body.width() * 0.08;
    painter_.save();
    painter_.setPen(QPen(kOutline, 2));
    painter_.setBrush(Palette::kInk);
    painter_.drawEllipse(QRectF(x, y + portH * 0.1, portH * 0.8, portH * 0.8));
    painter_.restore();
    sockets.power = QPointF(x + portH * 0.4, y + portH * 0.9);
    x += step * 1.2;
    Port(QRectF(x, y, portW, portH), Palette::kWanPort, highlightedPort == 0);
    sockets.wan = QPointF(x + portW / 2, y + portH);
    x += step * 1.3;
    for (int i = 0; i < 4; ++i) {
        Port(QRectF(x, y, portW, portH), Palette::kLanPort, highlightedPort == i + 1);
        sockets.lan[static_cast<std::size_t>(i)] = QPointF(x + portW / 2, y + portH);
        x += step;
    }
    return sockets;
}

void DeviceArt::RouterFront(const QRectF& body, int litLights) {
    Antennas(body);
    DrawKit::RoundedCard(painter_, body, body.height() * 0.3,
                         DrawKit::Vertical(body, Palette::kWhite, Palette::kMist), kOutline, 2.5);
    painter_.save();
    const qreal r = body.height() * 0.09;
    for (int i = 0; i < 5; ++i) {
        const QPointF c(body.left() + body.width() * (0.22 + 0.14 * i), body.center().y());
        const bool lit = i < litLights;
        if (lit) {
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(QColor(52, 196, 107, 60));
            painter_.drawEllipse(c, r * 2.4, r * 2.4);
        }
        painter_.setPen(QPen(kOutline, 1.2));
        painter_.setBrush(lit ? Palette::kLed : QColor(205, 214, 222));
        painter_.drawEllipse(c, r, r);
    }
    painter_.restore();
}

QPointF DeviceArt::Computer(const QRectF& area) {
    const QRectF screen(area.left(), area.top(), area.width() * 0.66, area.height() * 0.62);
    DrawKit::RoundedCard(painter_, screen, 8, Palette::kInk, kOutline, 2);
    const QRectF glass = screen.adjusted(7, 7, -7, -7);
    DrawKit::RoundedCard(painter_, glass, 4, DrawKit::Vertical(glass, Palette::kSky, Palette::kBlue),
                         kOutline, 0);
    painter_.save();
    painter_.setPen(QPen(kOutline, 2));
    painter_.setBrush(Palette::kSlate);
    const qreal neckX = screen.center().x();
    painter_.drawRect(QRectF(neckX - 6, screen.bottom(), 12, area.height() * 0.12));
    painter_.drawRoundedRect(QRectF(neckX - screen.width() * 0.25, screen.bottom() + area.height() * 0.12,
                                    screen.width() * 0.5, 8), 4, 4);
    painter_.restore();
    const QRectF tower(screen.right() + area.width() * 0.06, area.top() + area.height() * 0.18,
                       area.width() * 0.28, area.height() * 0.82);
    DrawKit::RoundedCard(painter_, tower, 8, DrawKit::Vertical(tower, Palette::kWhite, Palette::kMist),
                         kOutline, 2.5);
    painter_.save();
    painter_.setPen(QPen(kOutline, 1.5));
    painter_.setBrush(Palette::kPaleTeal);
    painter_.drawEllipse(QPointF(tower.center().x(), tower.top() + 18), 6, 6);
    painter_.restore();
    const QRectF socket(tower.center().x() - 9, tower.bottom() - 34, 18, 15);
    Port(socket, Palette::kMist, false);
    return QPointF(socket.center().x(), socket.bottom());
}

QPointF DeviceArt::Modem(const QRectF& body) {
    DrawKit::RoundedCard(painter_, body, 12, DrawKit::Vertical(body, Palette::kWhite, Palette::kMist),
                         kOutline, 2.5);
    painter_.save();
    painter_.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        painter_.setBrush(i == 0 ? Palette::kLed : Palette::kTeal);
        painter_.drawEllipse(QPointF(body.left() + body.width() * (0.3 + 0.2 * i), body.top() + 18), 4, 4);
    }
    painter_.restore();
    const QRectF socket(body.center().x() - 10, body.bottom() - 30, 20, 17);
    Port(socket, Palette::kMist, false);
    return QPointF(socket.center().x(), socket.bottom());
}

void DeviceArt::Cloud(const QRectF& area) {
    QPainterPath cloud;
    const qreal w = area.width();
    const qreal h = area.height();
    cloud.addRoundedRect(QRectF(area.left(), area.top() + h * 0.45, w, h * 0.55), h * 0.27, h * 0.27);
    cloud.addEllipse(QRectF(area.left() + w * 0.15, area.top() + h * 0.2, w * 0.4, h * 0.6));
    cloud.addEllipse(QRectF(area.left() + w * 0.4, area.top(), w * 0.45, h * 0.75));
    painter_.save();
    painter_.setPen(QPen(Palette::kBlue, 2));
    painter_.setBrush(DrawKit::Vertical(area, Palette::kWhite, Palette::kPaleTeal));
    painter_.drawPath(cloud.simplified());
    painter_.restore();
}

void DeviceArt::WallOutlet(const QRectF& plate) {
    DrawKit::RoundedCard(painter_, plate, 10, Palette::kWhite, kOutline, 2.5);
    painter_.save();
    painter_.setPen(QPen(kOutline, 1.5));
    painter_.setBrush(Palette::kMist);
    const QPointF c = plate.center();
    painter_.drawEllipse(c, plate.width() * 0.32, plate.width() * 0.32);
    painter_.setBrush(Palette::kInk);
    painter_.drawEllipse(c + QPointF(-plate.width() * 0.12, 0), 3.5, 3.5);
    painter_.drawEllipse(c + QPointF(plate.width() * 0.12, 0), 3.5, 3.5);
    painter_.restore();
}

QPointF DeviceArt::PowerAdapter(const QRectF& brick) {
    DrawKit::RoundedCard(painter_, brick, 8, DrawKit::Vertical(brick, Palette::kSlate, Palette::kInk),
                         kOutline, 2);
    LightningBadge(brick.center(), brick.width() * 0.22);
    return QPointF(brick.center().x(), brick.bottom());
}

void DeviceArt::Plug(QPointF end, QPointF towards, const QColor& colour) {
    const QLineF dir(end, towards);
    painter_.save();
    painter_.translate(end);
    painter_.rotate(-dir.angle() - 90);
    painter_.setPen(QPen(kOutline, 1.5));
    painter_.setBrush(colour);
    painter_.drawRoundedRect(QRectF(-7, -2, 14, 16), 3, 3);
    painter_.restore();
}

void DeviceArt::Cable(const QPainterPath& route, bool highlighted) {
    painter_.save();
    painter_.setBrush(Qt::NoBrush);
    if (highlighted) {
        painter_.setPen(QPen(QColor(21, 163, 168, 60), 16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter_.drawPath(route);
    }
    const QColor colour = highlighted ? Palette::kTeal : kCableIdle;
    painter_.setPen(QPen(kOutline.lighter(highlighted ? 100 : 160), 7, Qt::SolidLine, Qt::RoundCap,
                         Qt::RoundJoin));
    painter_.drawPath(route);
    painter_.setPen(QPen(colour, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter_.drawPath(route);
    painter_.restore();
    const qreal len = route.length();
    Plug(route.pointAtPercent(0), route.pointAtPercent(route.percentAtLength(qMin(12.0, len))), colour);
    Plug(route.pointAtPercent(1), route.pointAtPercent(route.percentAtLength(qMax(0.0, len - 12))), colour);
}

void DeviceArt::Waves(QPointF origin, qreal size, int litArcs, const QColor& lit, const QColor& dim) {
    painter_.save();
    painter_.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal r = size * (i + 1) / 3.0;
        painter_.setPen(QPen(i < litArcs ? lit : dim, size / 9.0, Qt::SolidLine, Qt::RoundCap));
        painter_.drawArc(QRectF(origin.x() - r, origin.y() - r, 2 * r, 2 * r), 45 * 16, 90 * 16);
    }
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(litArcs > 0 ? lit : dim);
    painter_.drawEllipse(origin, size / 9.0, size / 9.0);
    painter_.restore();
}

void DeviceArt::Hourglass(const QRectF& area) {
    painter_.save();
    DrawKit::RoundedCard(painter_, area, area.width() / 2, Palette::kPaleTeal, Palette::kTeal, 2);
    const QRectF glass = area.adjusted(area.width() * 0.3, area.height() * 0.22, -area.width() * 0.3,
                                       -area.height() * 0.22);
    QPolygonF shape;
    shape << glass.topLeft() << glass.topRight() << glass.center() << glass.bottomRight()
          << glass.bottomLeft() << glass.center();
    painter_.setPen(QPen(Palette::kNavy, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter_.setBrush(Palette::kWhite);
    painter_.drawPolygon(shape);
    QPolygonF sand;
    const qreal mid = glass.center().y();
    sand << QPointF(glass.center().x(), mid + 4) << QPointF(glass.right() - 3, glass.bottom() - 2)
         << QPointF(glass.left() + 3, glass.bottom() - 2);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(Palette::kAmber);
    painter_.drawPolygon(sand);
    painter_.restore();
}

void DeviceArt::LightningBadge(QPointF centre, qreal radius) {
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(Palette::kAmber);
    painter_.drawEllipse(centre, radius, radius);
    QPolygonF bolt;
    const qreal s = radius / 10.0;
    bolt << QPointF(1, -7) << QPointF(-4, 1) << QPointF(0, 1) << QPointF(-1, 7) << QPointF(4, -1)
         << QPointF(0, -1);
    for (QPointF& p : bolt) {
        p = centre + p * s;
    }
    painter_.setBrush(Palette::kWhite);
    painter_.drawPolygon(bolt);
    painter_.restore();
}
