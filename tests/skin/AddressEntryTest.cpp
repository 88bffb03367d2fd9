// The address entry typed as a person types into it: what the octets show
// and where the focus is after each way of typing, Tab stops and the name a
// screen reader hears.
#include "CIpAddressEdit.h"
#include "CSkEdit.h"
#include "KeyboardOrder.h"
#include "QStringPrinting.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <variant>
#include <vector>

namespace {

struct Chord {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};
struct Pasted {
    const char* text;
};
using Stroke = std::variant<const char*, Chord, Pasted>;

const Chord kBackspace{Qt::Key_Backspace};
const Chord kDelete{Qt::Key_Delete};
const Chord kLeft{Qt::Key_Left};
const Chord kRight{Qt::Key_Right};
const Chord kHome{Qt::Key_Home};
const Chord kEnd{Qt::Key_End};
const Chord kSelectAll{Qt::Key_A, Qt::ControlModifier};
const Chord kShiftHome{Qt::Key_Home, Qt::ShiftModifier};
const Chord kShiftEnd{Qt::Key_End, Qt::ShiftModifier};
const Chord kShiftLeft{Qt::Key_Left, Qt::ShiftModifier};
const Chord kShiftRight{Qt::Key_Right, Qt::ShiftModifier};

class AddressEntryTest : public ::testing::Test {
protected:
    AddressEntryTest()
    {
        dialog.resize(300, 120);
        before->setGeometry(10, 10, 100, 24);
        label->setGeometry(10, 44, 80, 24);
        label->setBuddy(entry);
        entry->setGeometry(100, 44, 180, 24);
        after->setGeometry(10, 80, 100, 24);
        SetReadingTabOrder(&dialog);
        dialog.show();
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    QLineEdit* Octet(int index) const { return entry->findChildren<QLineEdit*>().value(index); }

    // The octets as the user sees them, "|" between.
    QString Shown() const
    {
        QStringList texts;
        for (int i = 0; i < 4; ++i)
            texts << Octet(i)->text();
        return texts.join(u'|');
    }

    int FocusedOctet() const
    {
        for (int i = 0; i < 4; ++i) {
            if (Octet(i)->hasFocus())
                return i;
        }
        return -1;
    }

    void Strike(const Stroke& stroke)
    {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        if (const auto* text = std::get_if<const char*>(&stroke)) {
            for (const char* c = *text; *c; ++c)
                QTest::keyClick(QApplication::focusWidget(), *c);
        } else if (const auto* chord = std::get_if<Chord>(&stroke)) {
            QTest::keyClick(focused, chord->key, chord->modifiers);
        } else {
            QApplication::clipboard()->setText(QString::fromLatin1(std::get<Pasted>(stroke).text));
            QTest::keyClick(focused, Qt::Key_V, Qt::ControlModifier);
        }
    }

    QWidget dialog;
    CSkEdit* before = new CSkEdit(&dialog);
    QLabel* label = new QLabel(QStringLiteral("Server &address"), &dialog);
    CIpAddressEdit* entry = new CIpAddressEdit(&dialog);
    CSkEdit* after = new CSkEdit(&dialog);
};

TEST_F(AddressEntryTest, TypingAfterAClick)
{
    const struct {
        const char* name;
        std::uint32_t start;
        int clicked;
        std::vector<Stroke> strokes;
        const char* shown;
        int focused;
    } cases[] = {
        {"dot after a full octet is swallowed", 0, 0, {"192.168.0.10"}, "192|168|0|10", 3},
        {"mask typed in full", 0, 0, {"255.255.255.0"}, "255|255|255|0", 3},
        {"address without dots", 0, 0, {"203000113010"}, "203|0|113|010", 3},
        {"blanks separate as dots do", 0, 0, {"10 1 2 3"}, "10|1|2|3", 3},
        {"26 cannot grow and moves on", 0, 0, {"261"}, "26|1|0|0", 1},
        {"above 255 is clamped at once", 0, 0, {"256"}, "255|0|0|0", 1},
        {"30 cannot grow either", 0, 0, {"30.4"}, "30|4|0|0", 1},
        {"leading zeros go once the octet is left", 0, 0, {"010.01"}, "10|01|0|0", 1},
        {"a click on any octet selects it", 0x0A141E28, 2, {"7"}, "10|20|7|40", 2},
        {"backspace at the start goes back", 0x0A141E28, 2, {kBackspace, kBackspace, kBackspace}, "10|2||40", 1},
        {"left and right cross the edges", 0x0A141E28, 3, {kDelete, kLeft, kBackspace, kRight, "9"}, "10|20|3|9", 3},
        {"home and end reach the first and last octet", 0x0A141E28, 2, {kEnd, kBackspace, kHome, kDelete},
         "0|20|30|4", 0},
        {"paste into any octet fills all four", 0, 2, {Pasted{"10.0.0.138"}}, "10|0|0|138", 3},
        {"paste of no address changes nothing", 0x01020304, 1, {Pasted{"10.0.0"}}, "1|2|3|4", 1},
        {"select all and overtype", 0x01020304, 2, {kSelectAll, "10.0.0.138"}, "10|0|0|138", 3},
        {"select all and delete empties", 0x01020304, 1, {kSelectAll, kDelete}, "|||", 0},
        {"end then shift+home takes the whole address", 0xC0A80001, 0, {kEnd, kShiftHome, "10.0.0.138"},
         "10|0|0|138", 3},
        {"home then shift+end takes it too", 0xC0A80001, 2, {kHome, kShiftEnd, "10.0.0.138"}, "10|0|0|138", 3},
        {"shift+home from a middle octet, then backspace", 0xC0A80001, 2, {kShiftHome, kBackspace}, "|||", 0},
        {"shift+right at an octet's end crosses the dot", 0xC0A80001, 1, {kEnd, kHome, kRight, kRight, kRight,
         kShiftRight, kShiftRight, "7"}, "7|||", 0},
        {"shift+left back into one octet selects only there", 0x0A141E28, 1,
         {kRight, kShiftRight, kShiftLeft, kShiftLeft, "4"}, "10|24|30|40", 1},
        {"shift+left inside an octet stays a line edit's", 0x0A141E28, 1, {kRight, kShiftLeft, "1"}, "10|21|30|40", 1},
        {"a plain move ends the selection across octets", 0x0A141E28, 3, {kEnd, kShiftHome, kRight, "1"},
         "110|20|30|40", 1},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        entry->SetValue(each.start);
        after->setFocus();
        QTest::mouseClick(Octet(each.clicked), Qt::LeftButton);
        for (const Stroke& stroke : each.strokes)
            Strike(stroke);
        EXPECT_EQ(Shown(), QString::fromLatin1(each.shown));
        EXPECT_EQ(FocusedOctet(), each.focused);
    }
}

// The page opens with the focus in the first octet; the person clicks it all
// the same before typing.
TEST_F(AddressEntryTest, FirstClickIntoTheFocusedOctetStillSelectsIt)
{
    Octet(0)->setFocus(Qt::OtherFocusReason);
    QTest::mouseClick(Octet(0), Qt::LeftButton, {}, QPoint(Octet(0)->width() - 2, Octet(0)->height() / 2));
    Strike("192.168.0.10");
    EXPECT_EQ(entry->Text(), "192.168.0.10");
    // A second click places the caret, to mend one digit.
    QTest::mouseClick(Octet(3), Qt::LeftButton, {}, QPoint(Octet(3)->width() - 2, Octet(3)->height() / 2));
    Strike("1");
    EXPECT_EQ(entry->Text(), "192.168.0.101");
}

TEST_F(AddressEntryTest, SelectAllCopiesTheWholeAddress)
{
    entry->SetValue(0xC0A80001);
    QTest::mouseClick(Octet(1), Qt::LeftButton);
    Strike(kSelectAll);
    Strike(Chord{Qt::Key_C, Qt::ControlModifier});
    EXPECT_EQ(QApplication::clipboard()->text(), "192.168.0.1");
}

TEST_F(AddressEntryTest, CopyTakesWhatTheSelectionAcrossOctetsShows)
{
    entry->SetValue(0xC0A80001);
    QTest::mouseClick(Octet(3), Qt::LeftButton);
    for (const Stroke& stroke : std::vector<Stroke>{kEnd, kShiftLeft, kShiftLeft, kShiftLeft, kShiftLeft, kShiftLeft})
        Strike(stroke);
    Strike(Chord{Qt::Key_C, Qt::ControlModifier});
    EXPECT_EQ(QApplication::clipboard()->text(), "8.0.1");
}

TEST_F(AddressEntryTest, IsOneTabStopFromAnyOctetAndNamedByItsLabel)
{
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_EQ(FocusedOctet(), 0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
    QTest::keyClick(after, Qt::Key_Backtab);
    EXPECT_EQ(FocusedOctet(), 0);
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
        QTest::mouseClick(Octet(2), Qt::LeftButton);
        QTest::keyClick(Octet(2), key);
        EXPECT_TRUE((key == Qt::Key_Tab ? after : before)->hasFocus()) << key;
    }
    for (int i = 0; i < 4; ++i) {
        QTest::mouseClick(Octet(i), Qt::LeftButton);
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(Octet(i));
        ASSERT_NE(spoken, nullptr);
        EXPECT_EQ(spoken->text(QAccessible::Name), "Server address") << i;
    }
}

} // namespace
