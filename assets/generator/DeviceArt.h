// The devices and cables the pictures are made of, drawn in one flat,
// rounded style so every picture looks like part of the same set.
#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <array>

// Where cables plug into the back of the router.
struct RouterSockets {
    QPointF power;
    QPointF wan;
    std::array<QPointF, 4> lan;
};

class DeviceArt {
public:
    explicit DeviceArt(QPainter& painter) : painter_(painter) {}

    // Back panel: antennas, power socket, one WAN port, four LAN ports;
    // the highlighted port gets a glowing ring.
    RouterSockets RouterBack(const QRectF& body, int highlightedPort);
    // Front: antennas and a row of lights; `litLights` of five are on.
    void RouterFront(const QRectF& body, int litLights);
    // Returns the network socket at the back of the tower.
    QPointF Computer(const QRectF& area);
    // Returns the network socket at the bottom of the modem.
    QPointF Modem(const QRectF& body);
    void Cloud(const QRectF& area);
    void WallOutlet(const QRectF& plate);
    // Power adapter brick seen from the side, cable leaving at the bottom.
    QPointF PowerAdapter(const QRectF& brick);
    // A cable with plugs at both ends; a highlighted one glows in teal.
    void Cable(const QPainterPath& route, bool highlighted);
    void Waves(QPointF origin, qreal size, int litArcs, const QColor& lit, const QColor& dim);
    void Hourglass(const QRectF& area);
    void LightningBadge(QPointF centre, qreal radius);

private:
    void Antennas(const QRectF& body);
    void Port(const QRectF& port, const QColor& colour, bool highlighted);
    void Plug(QPointF end, QPointF towards, const QColor& colour);

    QPainter& painter_;
};
