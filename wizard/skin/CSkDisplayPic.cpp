#include "CSkDisplayPic.h"

#include "ProgramFolder.h"
#include "SkinPicture.h"

#include <QPainter>

CSkDisplayPic::CSkDisplayPic(QWidget* parent)
    : QWidget(parent)
{
}

bool CSkDisplayPic::LoadPicture(const QString& path)
{
    picture_ = ReadSkinImage(ResolveProgramPath(path), ScreensAreDense());
    update();
    return !picture_.isNull();
}

void CSkDisplayPic::SetPicture(const QImage& picture)
{
    picture_ = picture;
    update();
}

void CSkDisplayPic::SetIcon(const QIcon& icon)
{
    icon_ = icon;
    update();
}

void CSkDisplayPic::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!icon_.isNull()) {
        icon_.paint(&painter, rect());
        return;
    }
    if (picture_.isNull())
        return;
    painter.drawImage(QPoint(0, 0), picture_);
}
