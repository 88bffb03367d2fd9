#include "FrameKeyFilter.h"

#include <QCoreApplication>

FrameKeyFilter::FrameKeyFilter(QWidget* frame) : CEnterEscapeFilter(frame), frame_(frame)
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
    if (IsEnterOrEscape(event) && IsInsideFrame(watched))
        return Swallow(event);
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
