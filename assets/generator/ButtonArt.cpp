#include "ButtonArt.h"

#include "DrawKit.h"
#include "KeyColour.h"
#include "Palette.h"
#include "SkinGeometry.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kPushStates = 4;
constexpr int kCheckStates = 6;

}  // namespace

// Dark enough at the top for the white text to keep 4.5 : 1 all down the button.
ButtonArt::Look ButtonArt::IdleLook(Tone tone) {
    switch (tone) {
    case Tone::Teal: return {QColor(14, 120, 124), QColor(10, 96, 100), QColor(8, 80, 84)};
    case Tone::Slate: return {QColor(80, 106, 128), QColor(62, 86, 108), QColor(50, 72, 92)};
    case Tone::Blue: break;
    }
    return {QColor(32, 120, 184), QColor(20, 92, 150), QColor(16, 74, 120)};
}

// White text sits on the idle look, black on hover, blue on pressed and disabled.
ButtonArt::Look ButtonArt::StateLook(Tone tone, int state) {
    switch (state) {
    case 1: return {QColor(214, 239, 251), QColor(170, 218, 243), QColor(79, 166, 214)};
    case 2: return {QColor(186, 224, 244), QColor(226, 243, 251), IdleLook(tone).border};
    case 3: return {QColor(236, 240, 244), QColor(224, 230, 236), QColor(195, 205, 214)};
    default: return IdleLook(tone);
    }
}

void ButtonArt::PaintPush(QImage& canvas, int index, QSize frame, const Look& look) {
    QPainter painter(&canvas);
    DrawKit::Prepare(painter);
    const QRectF rect(index * frame.width(), 0, frame.width(), frame.height());
    const qreal radius = frame.height() * 0.3;
    DrawKit::RoundedCard(painter, rect, radius, DrawKit::Vertical(rect, look.top, look.bottom), look.border, 1.2);
    painter.setPen(QPen(QColor(255, 255, 255, 60), 1));
    painter.drawLine(QPointF(rect.left() + radius, rect.top() + 1.8), QPointF(rect.right() - radius, rect.top() + 1.8));
}

QImage ButtonArt::PushStrip(QSize frame, Tone tone) {
    QImage canvas = DrawKit::TransparentCanvas(QSize(frame.width() * kPushStates, frame.height()));
    for (int state = 0; state < kPushStates; ++state) {
        PaintPush(canvas, state, frame, StateLook(tone, state));
    }
    return CutToKeyColour(canvas);
}

void ButtonArt::PaintCheckBox(QImage& canvas, int index, bool checked, const Look& look) {
    QPainter painter(&canvas);
    DrawKit::Prepare(painter);
    const int side = SkinGeometry::kCheckBox.width();
    const QRectF box(index * side + 1, 1, side - 2, side - 2);
    DrawKit::RoundedCard(painter, box, 4.5, DrawKit::Vertical(box, look.top, look.bottom), look.border, 1.5);
    if (!checked) {
        return;
    }
    QPainterPath tick;
    tick.moveTo(box.left() + 4, box.center().y());
    tick.lineTo(box.left() + 7.5, box.bottom() - 5);
    tick.lineTo(box.right() - 3.5, box.top() + 4.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Palette::kWhite, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
}

// Frames: unchecked idle, unchecked hover, checked idle, checked hover,
// unchecked disabled, checked disabled.
QImage ButtonArt::CheckBoxStrip() {
    const QSize frame = SkinGeometry::kCheckBox;
    QImage canvas = DrawKit::TransparentCanvas(QSize(frame.width() * kCheckStates, frame.height()));
    const Look looks[kCheckStates] = {
        {Palette::kWhite, QColor(244, 248, 251), QColor(127, 156, 179)},
        {QColor(236, 249, 250), QColor(214, 241, 243), Palette::kTeal},
        IdleLook(Tone::Blue),
        {QColor(80, 170, 226), QColor(44, 134, 196), QColor(20, 88, 140)},
        {QColor(240, 243, 246), QColor(232, 236, 240), QColor(195, 205, 214)},
        {QColor(190, 204, 216), QColor(176, 192, 206), QColor(160, 176, 190)},
    };
    for (int state = 0; state < kCheckStates; ++state) {
        const bool checked = state == 2 || state == 3 || state == 5;
        PaintCheckBox(canvas, state, checked, looks[state]);
    }
    return CutToKeyColour(canvas);
}
