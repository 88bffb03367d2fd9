#include "CEnterEscapeFilter.h"

#include <QKeyEvent>
#include <QWidget>

CEnterEscapeFilter::CEnterEscapeFilter(QObject* parent)
    : QObject(parent)
{
}

void CEnterEscapeFilter::Install(QWidget* dialog)
{
    auto* filter = new CEnterEscapeFilter(dialog);
    dialog->installEventFilter(filter);
    for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->installEventFilter(filter);
}

bool CEnterEscapeFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (IsEnterOrEscape(event))
        return Swallow(event);
    return QObject::eventFilter(watched, event);
}

bool CEnterEscapeFilter::IsEnterOrEscape(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

bool CEnterEscapeFilter::Swallow(QEvent* event)
{
    event->accept();
    // A consumed shortcut override would turn into a key press for the
    // widget; let it through so the key press itself is swallowed.
    return event->type() == QEvent::KeyPress;
}
