#include "CIpAddressEdit.h"
#include "CSkBtn_ChkRadio.h"
#include "CSkBtn_Hotspot.h"
#include "CSkBtn_Pic.h"
#include "CSkEdit.h"
#include "CSkStatic.h"
#include "DialogBuilder.h"
#include "DialogTemplate.h"
#include "KeyboardOrder.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string_view>

namespace {

// Shows the dialog and gives its first control the focus.
void ShowAndFocus(QWidget& dialog, QWidget* first)
{
    dialog.show();
    dialog.activateWindow();
    QTRY_VERIFY(dialog.isActiveWindow());
    first->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(first->hasFocus());
}

QStringList WalkFocus(Qt::Key key, int steps)
{
    QStringList visited;
    for (int i = 0; i < steps; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), key);
    }
    return visited;
}

QRect OnDialog(const QWidget& dialog, const QWidget* control)
{
    return QRect(control->mapTo(&dialog, QPoint(0, 0)), control->size());
}

template <class W, class... Args>
W* Place(QWidget& dialog, const char* name, QRect geometry, Args... args)
{
    auto* widget = new W(args..., &dialog);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

TEST(SkinKeyboardTest, TabFollowsReadingOrderNotCreationOrder)
{
    QWidget dialog;
    dialog.resize(400, 300);
    // Created bottom-up and right-to-left on purpose.
    Place<CSkBtn_Pic>(dialog, "next", {300, 250, 80, 30});
    Place<CSkBtn_Pic>(dialog, "back", {200, 250, 80, 30});
    Place<CSkBtn_Pic>(dialog, "hidden", {10, 200, 80, 30})->hide();
    Place<CSkBtn_Pic>(dialog, "disabled", {100, 200, 80, 30})->setEnabled(false);
    Place<CSkEdit>(dialog, "password", {120, 60, 200, 24});
    Place<CSkStatic>(dialog, "passwordLabel", {10, 64, 100, 16});
    Place<CSkEdit>(dialog, "user", {120, 20, 200, 24});
    Place<CSkBtn_ChkRadio>(dialog, "check", {10, 100, 120, 20}, CSkBtn_ChkRadio::Kind::CheckBox);
    SetReadingTabOrder(&dialog);

    ShowAndFocus(dialog, dialog.findChild<QWidget*>("user"));
    const QStringList forward = {"user", "password", "check", "back", "next", "user"};
    EXPECT_EQ(WalkFocus(Qt::Key_Tab, 6), forward);
    const QStringList backward = {"password", "user", "next", "back", "check", "password"};
    EXPECT_EQ(WalkFocus(Qt::Key_Backtab, 6), backward);
}

TEST(SkinKeyboardTest, AddressEntryIsOneStopAtItsFirstOctet)
{
    QWidget dialog;
    Place<CSkEdit>(dialog, "after", {10, 60, 100, 24});
    auto* address = Place<CIpAddressEdit>(dialog, "address", {10, 20, 160, 24});
    SetReadingTabOrder(&dialog);
    const QList<QWidget*> order = ReadingOrder(&dialog);
    ASSERT_EQ(order.size(), 2);
    EXPECT_EQ(order[0], address->findChildren<QLineEdit*>().value(0));
    EXPECT_EQ(order[1]->objectName(), "after");
}

// A page inside a frame is read as a whole where it sits, and its own
// controls in their reading order, whatever order they were made in.
TEST(SkinKeyboardTest, NestedPageIsReadInPlaceAndInItsOwnOrder)
{
    QWidget frame;
    Place<CSkBtn_Pic>(frame, "next", {300, 250, 80, 30});
    auto* page = Place<QWidget>(frame, "page", {0, 0, 400, 200});
    Place<CSkEdit>(*page, "second", {10, 60, 100, 24});
    Place<CSkEdit>(*page, "first", {10, 20, 100, 24});
    QStringList names;
    for (const QWidget* control : ReadingOrder(&frame))
        names << control->objectName();
    EXPECT_EQ(names, (QStringList{"first", "second", "next"}));
}

TEST(SkinKeyboardTest, FirstEntryControlPassesOverWhatCannotBeFilledIn)
{
    struct Case {
        const char* name;
        std::function<void(QWidget*)> spoil;
    };
    const Case cases[] = {
        {"usable", [](QWidget*) {}},
        {"hidden", [](QWidget* w) { w->hide(); }},
        {"disabled", [](QWidget* w) { w->setEnabled(false); }},
        {"read-only", [](QWidget* w) { static_cast<CSkEdit*>(w)->setReadOnly(true); }},
    };
    for (const Case& each : cases) {
        QWidget dialog;
        auto* top = Place<CSkEdit>(dialog, "top", {10, 20, 100, 24});
        Place<CSkEdit>(dialog, "below", {10, 60, 100, 24});
        each.spoil(top);
        const QWidget* first = FirstEntryControl(&dialog);
        ASSERT_NE(first, nullptr) << each.name;
        EXPECT_EQ(first->objectName(), QString::fromLatin1(std::string_view(each.name) == "usable" ? "top" : "below"))
            << each.name;
    }
    QWidget empty;
    Place<CSkStatic>(empty, "label", {10, 20, 100, 24});
    EXPECT_EQ(FirstEntryControl(&empty), nullptr);
}

// Every template: Tab from the first control visits each visible, enabled
// control exactly once and never jumps back up the page.
TEST(SkinKeyboardTest, EveryTemplateIsWalkedTopToBottomOnce)
{
    for (int id : DialogTemplateIds()) {
        QWidget dialog;
        ASSERT_TRUE(BuildDialogFromTemplate(&dialog, id));
        QList<QWidget*> reachable;
        for (QWidget* w : ReadingOrder(&dialog)) {
            if (w->isVisibleTo(&dialog) && w->isEnabled())
                reachable << w;
        }
        if (reachable.isEmpty())
            continue;
        ShowAndFocus(dialog, reachable.first());
        for (qsizetype i = 0; i < reachable.size(); ++i) {
            QWidget* current = QApplication::focusWidget();
            ASSERT_EQ(current, reachable[i]) << "template " << id << " step " << i;
            QTest::keyClick(current, Qt::Key_Tab);
            if (i + 1 < reachable.size()) {
                const QWidget* next = QApplication::focusWidget();
                EXPECT_GE(OnDialog(dialog, next).center().y(), OnDialog(dialog, current).top())
                    << "template " << id << " step " << i;
            }
        }
        EXPECT_EQ(QApplication::focusWidget(), reachable.first()) << "template " << id << " wraps";
    }
}

TEST(SkinKeyboardTest, SpacePressesButtonsAndTogglesChoices)
{
    QWidget dialog;
    auto* picture = Place<CSkBtn_Pic>(dialog, "pic", {10, 10, 80, 30});
    auto* hotspot = Place<CSkBtn_Hotspot>(dialog, "link", {10, 50, 80, 20});
    auto* check = Place<CSkBtn_ChkRadio>(dialog, "check", {10, 80, 120, 20}, CSkBtn_ChkRadio::Kind::CheckBox);
    auto* radioA = new CSkBtn_ChkRadio(CSkBtn_ChkRadio::Kind::Radio, &dialog);
    auto* radioB = new CSkBtn_ChkRadio(CSkBtn_ChkRadio::Kind::Radio, &dialog);
    radioA->setGeometry(10, 110, 100, 20);
    radioB->setGeometry(10, 140, 100, 20);
    radioA->SetCheck(true);
    SetReadingTabOrder(&dialog);
    ShowAndFocus(dialog, picture);

    for (QAbstractButton* button : {static_cast<QAbstractButton*>(picture), static_cast<QAbstractButton*>(hotspot)}) {
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Space);
        EXPECT_EQ(clicked.count(), 1) << button->objectName().toStdString();
    }
    check->setFocus(Qt::TabFocusReason);
    QTest::keyClick(check, Qt::Key_Space);
    EXPECT_TRUE(check->isChecked());
    QTest::keyClick(check, Qt::Key_Space);
    EXPECT_FALSE(check->isChecked());
    radioB->setFocus(Qt::TabFocusReason);
    QTest::keyClick(radioB, Qt::Key_Space);
    EXPECT_TRUE(radioB->isChecked());
    EXPECT_FALSE(radioA->isChecked());
}

TEST(SkinKeyboardTest, OnlyTabGivesButtonsFocusAndTheRingIsDrawn)
{
    QWidget dialog;
    dialog.setStyleSheet(QString());
    auto* button = Place<CSkBtn_Pic>(dialog, "pic", {10, 10, 80, 30});
    button->setFixedSize(80, 30);
    auto* edit = Place<CSkEdit>(dialog, "edit", {10, 50, 80, 24});
    ShowAndFocus(dialog, edit);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(edit->hasFocus());
    const QImage unfocused = button->grab().toImage();
    button->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(button->hasFocus());
    const QImage focused = button->grab().toImage();
    // The dashed ring runs along the edge even though the look turns the
    // focus rectangle off.
    ASSERT_FALSE(button->ShowFocus());
    int changedEdgePixels = 0;
    for (int x = 0; x < focused.width(); ++x)
        changedEdgePixels += focused.pixel(x, 0) != unfocused.pixel(x, 0);
    EXPECT_GT(changedEdgePixels, focused.width() / 3);
}

struct AccessCase {
    const char* name;
    QAccessible::Role role;
    const char* accessibleName;
};

TEST(SkinAccessibilityTest, ControlsAnnounceTheirRoleAndName)
{
    QWidget dialog;
    auto* next = Place<CSkBtn_Pic>(dialog, "next", {10, 10, 80, 30});
    next->setText("Next");
    Place<CSkBtn_Hotspot>(dialog, "manual", {10, 50, 80, 20})->setText("Manual");
    Place<CSkBtn_ChkRadio>(dialog, "check", {10, 80, 120, 20}, CSkBtn_ChkRadio::Kind::CheckBox)->setText("Broadcast");
    auto* radio = new CSkBtn_ChkRadio(CSkBtn_ChkRadio::Kind::Radio, &dialog);
    radio->setObjectName("radio");
    radio->setText("PPPoE");
    auto* label = Place<CSkStatic>(dialog, "label", {10, 110, 80, 20});
    label->setText("User Name");
    auto* edit = Place<CSkEdit>(dialog, "edit", {100, 110, 80, 20});
    label->setBuddy(edit);
    dialog.show();

    const AccessCase cases[] = {
        {"next", QAccessible::Button, "Next"},        {"manual", QAccessible::Button, "Manual"},
        {"check", QAccessible::CheckBox, "Broadcast"}, {"radio", QAccessible::RadioButton, "PPPoE"},
        {"label", QAccessible::StaticText, "User Name"}, {"edit", QAccessible::EditableText, "User Name"},
    };
    for (const AccessCase& c : cases) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(dialog.findChild<QWidget*>(c.name));
        ASSERT_NE(iface, nullptr) << c.name;
        EXPECT_EQ(iface->role(), c.role) << c.name;
        EXPECT_EQ(iface->text(QAccessible::Name), c.accessibleName) << c.name;
    }
    // A new language changes the caption; the announced name follows it.
    next->setText("Weiter");
    label->setText("Benutzer");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(next)->text(QAccessible::Name), "Weiter");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name), "Benutzer");
}

TEST(SkinAccessibilityTest, TemplateLabelsNameTheFieldAfterThem)
{
    // Every template field written right after a label is named by it.
    int tied = 0;
    for (int id : DialogTemplateIds()) {
        const DialogTemplate* t = FindDialogTemplate(id);
        QWidget dialog;
        ASSERT_TRUE(BuildDialogFromTemplate(&dialog, id));
        for (std::size_t i = 1; i < t->items.size(); ++i) {
            const DialogItem& before = t->items[i - 1];
            const DialogItem& item = t->items[i];
            if (before.kind != ControlKind::Static || item.kind != ControlKind::Edit)
                continue;
            auto* label = FindControlAs<QLabel>(&dialog, before.id);
            QWidget* field = FindControl(&dialog, item.id);
            EXPECT_EQ(label->buddy(), field) << id << "/" << item.id;
            EXPECT_EQ(QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name), label->text())
                << id << "/" << item.id;
            ++tied;
        }
    }
    EXPECT_GT(tied, 0);
}

} // namespace
