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
    if (!image_ || image_->isNull())
        return;
    // The source starts at pixel (5, 5); the part of it inside the picture
    // is stretched over the whole client area, never read past the edge.
    const QRect client = rect();
    const QSize wanted(std::min(image_->width(), client.width()), std::min(image_->height(), client.height()));
    const QRect source = QRect(QPoint(5, 5), wanted).intersected(image_->rect());
    if (source.isEmpty())
        return;
    QPainter painter(this);
    painter.drawImage(client, *image_, source);
}
