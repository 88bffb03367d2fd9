#include "FrameKeyFilter.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {

bool IsEnterOrEscape(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

} // namespace

FrameKeyFilter::FrameKeyFilter(QWidget* frame) : QObject(frame), frame_(frame)
{
    QCoreApplication::instance()->installEventFilter(this);
}

FrameKeyFilter::~FrameKeyFilter()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

bool FrameKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (IsEnterOrEscape(event) && IsInsideFrame(watched)) {
        event->accept();
        // A consumed shortcut override would turn into a key press for the
        // widget; let it through so the key press itself is swallowed.
        return event->type() == QEvent::KeyPress;
    }
    return QObject::eventFilter(watched, event);
}

bool FrameKeyFilter::IsInsideFrame(QObject* watched) const
{
    if (!frame_ || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    // isAncestorOf stops at windows, so dialogs opened over the frame keep their keys.
    return widget == frame_ || frame_->isAncestorOf(widget);
}
