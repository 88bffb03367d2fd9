#include "CImageDialog.h"

#include "CSkStatic.h"
#include "DialogBuilder.h"
#include "DialogPlacement.h"
#include "HousePalette.h"
#include "ImageEx.h"
#include "SkinRegion.h"
#include "WindowAlpha.h"

#include <QPainter>
#include <QPainterPath>

namespace {
// Dark enough to part the dialog from the white page it opens over.
const QColor kBorder(91, 127, 153);
constexpr qreal kBorderWidth = 1.5;
} // namespace

CImageDialog::CImageDialog(int templateId, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    // Before the controls are built, so each starts from the house colours.
    setPalette(HousePalette());
    BuildDialogFromTemplate(this, templateId);
    SetTransparentLabels(true);
}

void CImageDialog::setVisible(bool visible)
{
    if (visible)
        PlaceOverAnchor(this);
    QDialog::setVisible(visible);
}

void CImageDialog::SetImage(const ImageEx* image)
{
    image_ = image;
    UpdateRegion();
    update();
}

void CImageDialog::SetOwnRegion(int ownRegion)
{
    ownRegion_ = ownRegion;
    UpdateRegion();
}

void CImageDialog::SetTransparentLabels(bool transparent)
{
    for (CSkStatic* label : findChildren<CSkStatic*>(Qt::FindDirectChildrenOnly))
        label->SetTransparent(transparent);
}

void CImageDialog::SetWindowRegion(const QRegion& region)
{
    region_ = region;
    if (region_.isEmpty() || smoothEdges_)
        clearMask();
    else
        setMask(region_);
}

void CImageDialog::SetRoundedShape(int ellipse)
{
    cornerEllipse_ = ellipse;
    smoothEdges_ = isWindow() && WindowAlphaAvailable();
    if (smoothEdges_)
        setAttribute(Qt::WA_TranslucentBackground);
    SetWindowRegion(RoundedRectRegion(size(), ellipse));
}

QPainterPath CImageDialog::RoundedOutline(qreal inset) const
{
    QPainterPath path;
    const qreal radius = cornerEllipse_ / 2.0 - inset;
    path.addRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), radius, radius);
    return path;
}

// Outside the rounded outline the window is cleared, blending the corners;
// then the border is drawn along it.
void CImageDialog::PaintRoundedEdge(QPainter& painter) const
{
    if (cornerEllipse_ <= 0)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    if (smoothEdges_) {
        QPainterPath outside;
        outside.addRect(QRectF(rect()));
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.fillPath(outside.subtracted(RoundedOutline(0)), Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    painter.setPen(QPen(kBorder, kBorderWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(RoundedOutline(kBorderWidth / 2));
}

void CImageDialog::UpdateRegion()
{
    if (ownRegion_ == 0)
        SetWindowRegion(QRegion(rect()));
}

void CImageDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    UpdateRegion();
}

void CImageDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintImage(painter);
    PaintRoundedEdge(painter);
}

void CImageDialog::PaintImage(QPainter& painter) const
{
    if (!image_ || image_->isNull())
        return;
    // The source starts at pixel (5, 5); the part of it inside the picture
    // is stretched over the whole client area, never read past the edge.
    const QRect client = rect();
    const QSize wanted(std::min(image_->width(), client.width()), std::min(image_->height(), client.height()));
    const QRect source = QRect(QPoint(5, 5), wanted).intersected(image_->rect());
    if (source.isEmpty())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(client, *image_, source);
}
