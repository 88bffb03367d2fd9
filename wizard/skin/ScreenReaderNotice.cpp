#include "ScreenReaderNotice.h"

#include "AccessibleRole.h"

ScreenReaderNotice::ScreenReaderNotice(QWidget* window) : QWidget(window)
{
    SetAccessibleRole(QStringLiteral("ScreenReaderNotice"), QAccessible::Notification);
    setObjectName(QStringLiteral("screenReaderNotice"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
}

void ScreenReaderNotice::Announce(QWidget* anyWidget, const QString& title, const QString& text)
{
    if (!anyWidget || title.isEmpty())
        return;
    QWidget* window = anyWidget->window();
    auto* notice = window->findChild<ScreenReaderNotice*>(QString(), Qt::FindDirectChildrenOnly);
    if (!notice)
        notice = new ScreenReaderNotice(window);
    notice->hide();
    notice->setAccessibleName(title);
    notice->setAccessibleDescription(text);
    notice->show();
    notice->lower();
}
