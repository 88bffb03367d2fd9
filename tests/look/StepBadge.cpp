#include "StepBadge.h"

#include "CWizardPage.h"
#include "DialogBuilder.h"

#include <QImage>
#include <QPixmap>

namespace {
constexpr int kStepNumberId = 1174;
// The number is black on a pale circle; nothing else that dark is inside it.
constexpr int kInkGrey = 110;
} // namespace

std::optional<QPointF> StepNumberOffset(QWidget* page)
{
    const QWidget* number = FindControl(page, kStepNumberId);
    if (!number || !number->isVisible())
        return std::nullopt;
    const QPixmap shot = page->grab();
    const qreal ratio = shot.devicePixelRatio();
    const QImage image = shot.toImage();
    const QRect badge = CWizardPage::kStepBadge;
    const QRect scan(badge.topLeft() * ratio, badge.size() * ratio);
    QRect ink;
    for (int y = scan.top(); y <= scan.bottom(); ++y) {
        for (int x = scan.left(); x <= scan.right(); ++x) {
            if (qGray(image.pixel(x, y)) < kInkGrey)
                ink |= QRect(x, y, 1, 1);
        }
    }
    if (ink.isEmpty())
        return QPointF(badge.width(), badge.height());
    const QPointF inkCentre = QRectF(ink).center() / ratio;
    return inkCentre - QRectF(badge).center();
}
