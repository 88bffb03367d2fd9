#include "MessageBoxAutoAnswer.h"

#include "AutoAnswer.h"
#include "CDlgMessageBox.h"
#include "DialogBuilder.h"
#include "TranslateDialog.h"

#include <QCoreApplication>
#include <QEvent>

MessageBoxAutoAnswer::MessageBoxAutoAnswer(int answer, QObject* parent) : QObject(parent), answer_(answer)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool MessageBoxAutoAnswer::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<CDlgMessageBox*>(watched);
    if (box && event->type() == QEvent::Show) {
        ReportAutoAnsweredBox(ControlCaption(FindControl(box, CDlgMessageBox::kCaptionId)),
                              ControlCaption(FindControl(box, CDlgMessageBox::kMessageId)));
        // Ended from its own modal loop, once that loop runs.
        QMetaObject::invokeMethod(box, [box, answer = answer_] { box->done(answer); }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}
