// The four instruction pictures: which cable goes where, power on, and
// waiting for the lights. Words come from the given captions.
#pragma once

#include "DeviceArt.h"
#include "InstructionCaptions.h"

#include <QImage>
#include <QPainter>

class InstructionArt {
public:
    explicit InstructionArt(InstructionCaptions captions) : captions_(std::move(captions)) {}

    // step is 1 to 4.
    QImage Picture(int step) const;

private:
    void ModemToWan(QPainter& painter) const;
    void ComputerToLan(QPainter& painter) const;
    void PowerOn(QPainter& painter) const;
    void WaitForLights(QPainter& painter) const;
    RouterSockets BackOfRouter(QPainter& painter, int highlightedPort) const;
    void DeviceTag(QPainter& painter, QPointF centre, const QString& text, bool accent) const;
    void Hint(QPainter& painter, const QString& text) const;

    InstructionCaptions captions_;
};
