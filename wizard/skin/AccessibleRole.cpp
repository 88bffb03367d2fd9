#include "AccessibleRole.h"

#include <QAccessibleWidget>
#include <QWidget>

#include <map>

namespace {

// Qt takes a plain function as a factory, so the roles live here.
std::map<QString, QAccessible::Role>& Roles()
{
    static std::map<QString, QAccessible::Role> roles;
    return roles;
}

QAccessibleInterface* CreateWithRole(const QString& className, QObject* object)
{
    const auto found = Roles().find(className);
    if (found == Roles().end() || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), found->second);
}

} // namespace

void SetAccessibleRole(const QString& className, QAccessible::Role role)
{
    if (Roles().empty())
        QAccessible::installFactory(CreateWithRole);
    Roles()[className] = role;
}
