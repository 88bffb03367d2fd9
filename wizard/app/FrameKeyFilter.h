// Keeps Enter and Escape from ending the wizard: one application-wide filter
// that swallows both keys when they are meant for the frame or any widget
// inside it. Dialogs of their own (message boxes, progress) are not inside.
#pragma once

#include "CEnterEscapeFilter.h"

#include <QPointer>
#include <QWidget>

class FrameKeyFilter : public CEnterEscapeFilter {
    Q_OBJECT
public:
    // Installs itself on the application for as long as `frame` lives.
    explicit FrameKeyFilter(QWidget* frame);
    ~FrameKeyFilter() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsInsideFrame(QObject* watched) const;

    QPointer<QWidget> frame_;
};
