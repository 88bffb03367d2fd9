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
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            event->accept();
            return event->type() == QEvent::KeyPress;
        }
    }
    return QObject::eventFilter(watched, event);
}
