#include "CPolygonDialog.h"

#include "CEnterEscapeFilter.h"
#include "DialogBuilder.h"
#include "DialogPlacement.h"
#include "HousePalette.h"
#include "ProgramFolder.h"
#include "SkinPicture.h"
#include "SkinRegion.h"
#include "WindowAlpha.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

CPolygonDialog::CPolygonDialog(int templateId, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , templateId_(templateId)
{
    // Before the controls are built, so each starts from the house colours.
    setPalette(HousePalette());
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
    return skinSize_;
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
    if (visible) {
        InitDialog();
        PlaceOverAnchor(this);
    }
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
    const QString path = ResolveProgramPath(skinPath_);
    QImage plain = ReadSkinPicture(path);
    if (plain.isNull())
        return;
    skinSize_ = plain.size();
    region_ = RegionFromImage(plain, keyColor_);
    // A see-through window shows the picture's own edge, blended from the
    // denser picture; without one the region cuts the window.
    smoothEdges_ = isWindow() && WindowAlphaAvailable();
    picture_ = LoadPaintPicture(std::move(plain), path, keyColor_, smoothEdges_ || ScreensAreDense());
    if (smoothEdges_)
        setAttribute(Qt::WA_TranslucentBackground);
    else if (!region_.isEmpty())
        setMask(region_);
}

void CPolygonDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!picture_.isNull())
        DrawPictureSmooth(painter, QRectF(QPointF(0, 0), QSizeF(skinSize_)), picture_);
    DrawOverlay(painter);
}

void CPolygonDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (dragEnabled_ && isWindow() && event->buttons() == Qt::LeftButton && windowHandle())
        windowHandle()->startSystemMove();
    QDialog::mouseMoveEvent(event);
}
