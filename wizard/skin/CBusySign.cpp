#include "CBusySign.h"

#include <QPainter>

namespace {
constexpr int kSize = 22;
constexpr int kGap = 8;
constexpr int kStepDegrees = 30;
constexpr int kTickMs = 80;
} // namespace

CBusySign::CBusySign(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(kSize, kSize);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        angle_ = (angle_ + kStepDegrees) % 360;
        update();
    });
}

void CBusySign::SetBusy(bool busy)
{
    if (busy == IsBusy())
        return;
    if (busy)
        timer_.start();
    else
        timer_.stop();
    setVisible(busy);
}

void CBusySign::PlaceBeside(const QWidget* control)
{
    if (!control)
        return;
    const QRect beside = control->geometry();
    move(beside.right() + 1 + kGap, beside.center().y() - kSize / 2);
}

void CBusySign::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ring = QRectF(rect()).adjusted(3, 3, -3, -3);
    painter.setPen(QPen(QColor(200, 214, 224), 3));
    painter.drawEllipse(ring);
    painter.setPen(QPen(QColor(18, 132, 150), 3, Qt::SolidLine, Qt::RoundCap));
    // Qt counts arcs in sixteenths of a degree, counter-clockwise.
    painter.drawArc(ring, -angle_ * 16, 100 * 16);
}
