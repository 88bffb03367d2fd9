#include "ScreenReaderNotice.h"

#include <QAccessibleWidget>

namespace {

QAccessibleInterface* CreateNoticeAccessible(const QString& className, QObject* object)
{
    if (className != QLatin1String("ScreenReaderNotice") || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
}

void InstallNoticeRole()
{
    static const bool installed = [] {
        QAccessible::installFactory(CreateNoticeAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

ScreenReaderNotice::ScreenReaderNotice(QWidget* window) : QWidget(window)
{
    InstallNoticeRole();
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
