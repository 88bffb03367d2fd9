#include "DialogPlacement.h"

#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {

QPointer<QWidget> anchorWindow;

QWidget* OwnerOf(const QWidget* dialog)
{
    QWidget* owner = dialog->parentWidget() ? dialog->parentWidget()->window() : DialogAnchor();
    if (!owner || owner == dialog || !owner->isVisible())
        return nullptr;
    return owner;
}

// A parent widget makes Qt set the transient parent itself; a parentless
// dialog is given the anchor's window before it is mapped.
void OwnWindow(QWidget* dialog, const QWidget* owner)
{
    if (dialog->parentWidget() || !owner->windowHandle())
        return;
    // Asking for the native window makes it, unmapped.
    if (!dialog->windowHandle())
        dialog->winId();
    dialog->windowHandle()->setTransientParent(owner->windowHandle());
}

} // namespace

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

void PlaceOverAnchor(QWidget* dialog)
{
    if (!dialog || !dialog->isWindow())
        return;
    const QWidget* owner = OwnerOf(dialog);
    if (!owner)
        return;
    OwnWindow(dialog, owner);
    dialog->move(CentredTopLeft(owner->frameGeometry(), dialog->frameGeometry().size()));
}
