#include "TranslateDialog.h"

#include "CLanguageTable.h"
#include "DialogBuilder.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

QString ControlCaption(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(control))
        return group->title();
    return {};
}

void SetControlCaption(QWidget* control, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(text);
}

void TranslateDialog(QWidget* dialog, const CLanguageTable& language)
{
    if (!dialog)
        return;
    for (QWidget* control : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QString caption = ControlCaption(control);
        if (caption.isEmpty())
            continue;
        const QString text = language.TranslateCaption(caption);
        if (!text.isEmpty())
            SetControlCaption(control, text);
    }
    DescribeFieldsByHints(dialog);
}
