#include "DialogPlacement.h"

#include <QPointer>
#include <QWidget>

namespace {
QPointer<QWidget> anchorWindow;
}

void SetDialogAnchor(QWidget* window)
{
    anchorWindow = window;
}

QWidget* DialogAnchor()
{
    return anchorWindow.data();
}

QPoint CentredTopLeft(const QRect& anchor, QSize size)
{
    return {anchor.x() + (anchor.width() - size.width()) / 2, anchor.y() + (anchor.height() - size.height()) / 2};
}

void CentreOnAnchor(QWidget* dialog)
{
    if (!dialog || !dialog->isWindow())
        return;
    const QWidget* anchor = dialog->parentWidget() ? dialog->parentWidget()->window() : DialogAnchor();
    if (!anchor || anchor == dialog || !anchor->isVisible())
        return;
    dialog->move(CentredTopLeft(anchor->frameGeometry(), dialog->frameGeometry().size()));
}
