#include "PersonTyping.h"

#include "CIpAddressEdit.h"
#include "ControlId.h"
#include "DialogBuilder.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

TypingStep Click(int control, int octet)
{
    return {TypingStep::Kind::Click, control, octet, {}, 0, 0};
}

TypingStep Type(const QString& text)
{
    return {TypingStep::Kind::Type, 0, 0, text, 0, 0};
}

TypingStep Press(int key, int modifiers)
{
    return {TypingStep::Kind::Press, 0, 0, {}, key, modifiers};
}

TypingStep Paste(const QString& text)
{
    return {TypingStep::Kind::Paste, 0, 0, text, 0, 0};
}

TypingStep SelectAll()
{
    return Press(Qt::Key_A, Qt::ControlModifier);
}

namespace {

QWidget* Focused()
{
    QWidget* focused = QApplication::focusWidget();
    EXPECT_NE(focused, nullptr) << "no field has the focus";
    return focused;
}

// Where a click on the field lands: an address entry's octet, else the field.
QWidget* ClickTarget(QWidget* page, const TypingStep& step)
{
    QWidget* field = FindControl(page, step.control);
    EXPECT_NE(field, nullptr) << "no control " << step.control;
    if (field && qobject_cast<CIpAddressEdit*>(field)) {
        const QList<QLineEdit*> octets = field->findChildren<QLineEdit*>();
        return octets.value(step.octet);
    }
    return field;
}

void TypeCharacters(const QString& text)
{
    for (const QChar ch : text) {
        QWidget* focused = Focused();
        if (!focused)
            return;
        // The ASCII key table knows no other characters: those arrive as
        // text of an unnamed key, as an input method delivers them.
        if (ch.unicode() < 0x80)
            QTest::keyClick(focused, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, focused, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

void Perform(QWidget* page, const TypingStep& step)
{
    switch (step.kind) {
    case TypingStep::Kind::Click:
        if (QWidget* target = ClickTarget(page, step))
            QTest::mouseClick(target, Qt::LeftButton);
        break;
    case TypingStep::Kind::Type:
        TypeCharacters(step.text);
        break;
    case TypingStep::Kind::Paste:
        QApplication::clipboard()->setText(step.text);
        if (QWidget* focused = Focused())
            QTest::keyClick(focused, Qt::Key_V, Qt::ControlModifier);
        break;
    case TypingStep::Kind::Press:
        if (QWidget* focused = Focused())
            QTest::keyClick(focused, static_cast<Qt::Key>(step.key), Qt::KeyboardModifiers(step.modifiers));
        break;
    }
}

} // namespace

void PerformTyping(QWidget* page, const Typing& steps)
{
    for (const TypingStep& step : steps)
        Perform(page, step);
}

std::set<int> FieldsTyped(const Typing& steps)
{
    std::set<int> fields;
    for (const TypingStep& step : steps) {
        if (step.kind == TypingStep::Kind::Click)
            fields.insert(step.control);
    }
    return fields;
}

std::set<int> TypedFieldsOf(const QWidget* page)
{
    std::set<int> fields;
    for (QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto* edit = qobject_cast<QLineEdit*>(control);
        if ((edit && !edit->isReadOnly()) || qobject_cast<CIpAddressEdit*>(control))
            fields.insert(ControlIdOf(control));
    }
    return fields;
}
