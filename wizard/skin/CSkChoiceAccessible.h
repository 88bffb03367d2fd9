// What a screen reader is told about a skinned check box or radio button:
// the generic button interface would call a radio button a check box, since
// the group is kept by the control itself rather than by auto-exclusivity.
#pragma once

#include <QAccessibleWidget>

class CSkBtn_ChkRadio;

class CSkChoiceAccessible : public QAccessibleWidget {
public:
    explicit CSkChoiceAccessible(CSkBtn_ChkRadio* choice);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // Registers the interface with Qt's accessibility; repeat calls are harmless.
    static void Install();

private:
    CSkBtn_ChkRadio* Choice() const;
};
