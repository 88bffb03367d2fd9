#include "CSkChoiceAccessible.h"

#include "CSkBtn_ChkRadio.h"

namespace {

QAccessibleInterface* CreateChoiceAccessible(const QString& className, QObject* object)
{
    auto* choice = qobject_cast<CSkBtn_ChkRadio*>(object);
    if (className != QLatin1String("CSkBtn_ChkRadio") || !choice)
        return nullptr;
    return new CSkChoiceAccessible(choice);
}

} // namespace

CSkChoiceAccessible::CSkChoiceAccessible(CSkBtn_ChkRadio* choice)
    : QAccessibleWidget(choice)
{
}

CSkBtn_ChkRadio* CSkChoiceAccessible::Choice() const
{
    return static_cast<CSkBtn_ChkRadio*>(widget());
}

QAccessible::Role CSkChoiceAccessible::role() const
{
    return Choice()->ButtonKind() == CSkBtn_ChkRadio::Kind::Radio ? QAccessible::RadioButton : QAccessible::CheckBox;
}

QString CSkChoiceAccessible::text(QAccessible::Text t) const
{
    // A box without a caption of its own is named by the label tied to it.
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty() && !Choice()->text().isEmpty())
        return Choice()->text();
    return QAccessibleWidget::text(t);
}

QAccessible::State CSkChoiceAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = Choice()->isChecked();
    return state;
}

QStringList CSkChoiceAccessible::actionNames() const
{
    return QStringList{QAccessibleActionInterface::toggleAction()} + QAccessibleWidget::actionNames();
}

void CSkChoiceAccessible::doAction(const QString& actionName)
{
    if (actionName == QAccessibleActionInterface::toggleAction() && Choice()->isEnabled()) {
        Choice()->click();
        return;
    }
    QAccessibleWidget::doAction(actionName);
}

void CSkChoiceAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(CreateChoiceAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}
