#include "DialogBuilder.h"

#include "CIpAddressEdit.h"
#include "CSkBtn_ChkRadio.h"
#include "CSkBtn_Hotspot.h"
#include "CSkBtn_Pic.h"
#include "CSkDisplayPic.h"
#include "CSkEdit.h"
#include "CSkStatic.h"
#include "ControlId.h"
#include "DialogTemplate.h"
#include "KeyboardOrder.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpressionValidator>

#include <cstdlib>

namespace {

// On a hint label: the field it describes.
constexpr const char* kHintForProperty = "hintFor";

QWidget* CreateStatic(const DialogItem& item, QWidget* parent)
{
    auto* label = new CSkStatic(parent);
    label->setText(QString::fromUtf8(item.caption));
    if (item.style & ItemStyle::kCentered)
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    else if (item.style & ItemStyle::kRightAligned)
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    return label;
}

QWidget* CreateEdit(const DialogItem& item, QWidget* parent)
{
    auto* edit = new CSkEdit(parent);
    edit->setText(QString::fromUtf8(item.caption));
    edit->setReadOnly(item.style & ItemStyle::kReadOnly);
    if (item.style & ItemStyle::kDigitsOnly)
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

QWidget* CreateButton(const DialogItem& item, QWidget* parent)
{
    QAbstractButton* button = nullptr;
    switch (item.kind) {
    case ControlKind::Hotspot:
        button = new CSkBtn_Hotspot(parent);
        break;
    case ControlKind::CheckBox:
        button = new CSkBtn_ChkRadio(CSkBtn_ChkRadio::Kind::CheckBox, parent);
        break;
    case ControlKind::Radio:
        button = new CSkBtn_ChkRadio(CSkBtn_ChkRadio::Kind::Radio, parent);
        break;
    default:
        button = new CSkBtn_Pic(parent);
        break;
    }
    button->setText(QString::fromUtf8(item.caption));
    return button;
}

// A screen reader on Qt 6.4 reads a closed list without its value; the
// description, which it reads with the focus, carries it.
QWidget* CreateList(QWidget* parent)
{
    auto* list = new QComboBox(parent);
    QObject::connect(list, &QComboBox::currentTextChanged, list, &QWidget::setAccessibleDescription);
    return list;
}

QWidget* CreateControl(const DialogItem& item, QWidget* parent)
{
    switch (item.kind) {
    case ControlKind::Static:
        return CreateStatic(item, parent);
    case ControlKind::Edit:
        return CreateEdit(item, parent);
    case ControlKind::ComboBox:
        return CreateList(parent);
    case ControlKind::IpAddress:
        return new CIpAddressEdit(parent);
    case ControlKind::Picture:
        return new CSkDisplayPic(parent);
    case ControlKind::Group:
        return new QGroupBox(QString::fromUtf8(item.caption), parent);
    default:
        return CreateButton(item, parent);
    }
}

bool IsField(ControlKind kind)
{
    return kind == ControlKind::Edit || kind == ControlKind::ComboBox || kind == ControlKind::IpAddress
        || kind == ControlKind::CheckBox;
}

bool FollowsOnItsLine(const DialogItem& item, const DialogItem& field)
{
    const int middle = item.rect.y + item.rect.cy / 2;
    const int fieldMiddle = field.rect.y + field.rect.cy / 2;
    return std::abs(middle - fieldMiddle) <= 2 && item.rect.x >= field.rect.x + field.rect.cx;
}

// A label written just before a field names it, for screen readers; one
// written just after it on the same line is its hint.
void TieLabelToField(QWidget* previous, const DialogItem* previousItem, QWidget* control, const DialogItem& item)
{
    if (!previousItem)
        return;
    if (auto* label = qobject_cast<QLabel*>(previous); label && previousItem->kind == ControlKind::Static
                                                         && IsField(item.kind))
        label->setBuddy(control);
    if (item.kind == ControlKind::Static && IsField(previousItem->kind) && FollowsOnItsLine(item, *previousItem))
        control->setProperty(kHintForProperty, QVariant::fromValue(static_cast<QObject*>(previous)));
}

} // namespace

void DescribeFieldsByHints(QWidget* dialog)
{
    for (QLabel* label : dialog->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (auto* field = qobject_cast<QWidget*>(label->property(kHintForProperty).value<QObject*>()))
            field->setAccessibleDescription(label->text());
    }
}

bool IsFieldHint(const QWidget* label)
{
    return label->property(kHintForProperty).isValid();
}

QFont TemplateFont(const DialogTemplate& dialogTemplate, double dpi)
{
    QFont font(QString::fromUtf8(dialogTemplate.fontFace));
    font.setPixelSize(static_cast<int>(dialogTemplate.pointSize * dpi / 72.0 + 0.5));
    return font;
}

void ApplyTemplateFrame(QWidget* dialog, const DialogTemplate& dialogTemplate, double dpi)
{
    dialog->setFont(TemplateFont(dialogTemplate, dpi));
    dialog->setFixedSize(DialogUnitsToPixels({0, 0, dialogTemplate.cx, dialogTemplate.cy}).size());
}

bool BuildDialogFromTemplate(QWidget* dialog, int templateId)
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(templateId);
    if (!dialogTemplate)
        return false;
    ApplyTemplateFrame(dialog, *dialogTemplate, 96.0);
    QWidget* previous = nullptr;
    const DialogItem* previousItem = nullptr;
    for (const DialogItem& item : dialogTemplate->items) {
        QWidget* control = CreateControl(item, dialog);
        TieLabelToField(previous, previousItem, control, item);
        previous = control;
        previousItem = &item;
        SetControlId(control, item.id);
        control->setObjectName(QStringLiteral("control%1").arg(item.id));
        control->setProperty(kGroupStartProperty, (item.style & ItemStyle::kGroupStart) != 0);
        control->setGeometry(DialogUnitsToPixels(item.rect));
        if (item.style & ItemStyle::kHidden)
            control->setHidden(true);
    }
    SetReadingTabOrder(dialog);
    DescribeFieldsByHints(dialog);
    return true;
}

QWidget* FindControl(const QWidget* dialog, int id)
{
    if (!dialog)
        return nullptr;
    for (QWidget* child : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (ControlIdOf(child) == id)
            return child;
    }
    return nullptr;
}
