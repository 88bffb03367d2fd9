#include "CPolygonDialog.h"

#include "CEnterEscapeFilter.h"
#include "DialogBuilder.h"
#include "SkinPicture.h"
#include "SkinRegion.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

CPolygonDialog::CPolygonDialog(int templateId, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , templateId_(templateId)
{
    BuildDialogFromTemplate(this, templateId);
}

int CPolygonDialog::SetSkinBitmap(const QString& path, ColorRef keyColor)
{
    if (!initialised_) {
        skinPath_ = path;
        keyColor_ = keyColor;
    }
    return 1;
}

QSize CPolygonDialog::GetSkinSize() const
{
    return skin_.isNull() ? QSize(0, 0) : skin_.size();
}

QRect CPolygonDialog::SkinRect(const QRect& client) const
{
    return QRect(client.topLeft(), GetSkinSize());
}

void CPolygonDialog::MakeChildPage()
{
    setWindowFlags(Qt::Widget);
    dragEnabled_ = false;
    CEnterEscapeFilter::Install(this);
}

void CPolygonDialog::InitDialog()
{
    if (initialised_)
        return;
    initialised_ = true;
    CreateSkin();
    OnInitDialog();
}

void CPolygonDialog::setVisible(bool visible)
{
    if (visible)
        InitDialog();
    QDialog::setVisible(visible);
}

void CPolygonDialog::RelayoutForScreen()
{
    relayout_.ApplyForScreen(this, templateId_);
}

void CPolygonDialog::CreateSkin()
{
    if (skinPath_.isEmpty())
        return;
    // A missing or unreadable picture leaves a plain rectangular window.
    skin_ = ReadSkinPicture(skinPath_);
    if (skin_.isNull())
        return;
    region_ = RegionFromImage(skin_, keyColor_);
    if (!region_.isEmpty())
        setMask(region_);
}

void CPolygonDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!skin_.isNull())
        painter.drawImage(QPoint(0, 0), skin_);
    DrawOverlay(painter);
}

void CPolygonDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (dragEnabled_ && isWindow() && event->buttons() == Qt::LeftButton && windowHandle())
        windowHandle()->startSystemMove();
    QDialog::mouseMoveEvent(event);
}
