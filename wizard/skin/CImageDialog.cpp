#include "CImageDialog.h"

#include "CSkStatic.h"
#include "DialogBuilder.h"
#include "ImageEx.h"

#include <QPainter>

CImageDialog::CImageDialog(int templateId, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    BuildDialogFromTemplate(this, templateId);
    SetTransparentLabels(true);
}

void CImageDialog::SetImage(const ImageEx* image)
{
    image_ = image;
    hasImage_ = true;
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
    if (region_.isEmpty())
        clearMask();
    else
        setMask(region_);
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
    if (!hasImage_ || !image_ || image_->isNull())
        return;
    // The source starts at pixel (5, 5); what lies beyond the picture's edge
    // is left out rather than read past it.
    const QRect client = rect();
    const int sourceWidth = std::min(image_->width(), client.width());
    const int sourceHeight = std::min(image_->height(), client.height());
    const QRect source = QRect(5, 5, sourceWidth, sourceHeight).intersected(image_->rect());
    if (source.isEmpty() || sourceWidth == 0 || sourceHeight == 0)
        return;
    const QRect target(0, 0, source.width() * client.width() / sourceWidth,
                       source.height() * client.height() / sourceHeight);
    QPainter painter(this);
    painter.drawImage(target, *image_, source);
}
