// The wizard as a screen reader meets it: what it is told as each page opens
// while the focus stays on Next, and a name for everything it can focus on
// every page, walked through Qt's accessibility interface.
#include "WizardRun.h"

#include "AccessibleEventLog.h"
#include "CDlgMessageBox.h"
#include "ControlId.h"
#include "FrameControls.h"
#include "PageFlow.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QTest>

namespace {

constexpr int kPppoeChoice = 1149;

using Announcement = AccessibleEventLog::Announcement;

QString NameOf(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

QString DescriptionOf(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Description) : QString();
}

} // namespace

class ScreenReader : public WizardRun {
protected:
    void StartActive()
    {
        StartWizard();
        frame_->activateWindow();
        QTRY_VERIFY(frame_->isActiveWindow());
        opening_ = log_.TakeAnnouncements();
    }

    AccessibleEventLog log_;
    // What was said as the window first appeared.
    std::vector<Announcement> opening_;
};

TEST_F(ScreenReader, EachPageIsAnnouncedAsItOpensWhileNextKeepsTheFocus)
{
    StartActive();
    // The welcome page is chosen before the window shows; it is told as it appears.
    EXPECT_EQ(opening_, (std::vector<Announcement>{{"welcome", "Welcome Picture info"}}));
    QWidget* next = FrameControl(FrameControl::Next);
    const Announcement instructions[] = {
        {"Setup1 Title", "Setup1 Picture"},
        {"Setup2 Title", "Setup2 Picture"},
        {"Setup3 Title", "Setup3 Picture"},
        {"Setup4 Title", "Setup4 Picture"},
    };
    for (const Announcement& expected : instructions) {
        ClickNext();
        EXPECT_EQ(log_.TakeAnnouncements(), std::vector<Announcement>{expected});
        EXPECT_EQ(frame_->focusWidget(), next);
    }
    CDlgMessageBox::SetNextAnswer(AnswerOk);
    ClickNext();
    ASSERT_EQ(frame_->PageIndex(), PageConnectionType);
    EXPECT_EQ(log_.TakeAnnouncements(), (std::vector<Announcement>{{"Setup5 Title", ""}}));
    ClickBack();
    EXPECT_EQ(log_.TakeAnnouncements(), std::vector<Announcement>{instructions[3]});

    // A page that opens on its first field says its title and notes, not
    // the labels that name its fields.
    CDlgMessageBox::SetNextAnswer(AnswerOk);
    ClickNext();
    ClickOnPage(PageConnectionType, kPppoeChoice);
    log_.TakeAnnouncements();
    TypeInto(PagePppoe, 1040, QStringLiteral("isp-user"));
    TypeInto(PagePppoe, 1041, QStringLiteral("isp-pass"));
    ClickNext();
    ClickNext();
    ASSERT_EQ(frame_->PageIndex(), PageWireless);
    const std::vector<Announcement> heard = log_.TakeAnnouncements();
    ASSERT_EQ(heard.size(), 2U);
    EXPECT_EQ(heard.back(), (Announcement{"Wireless Title", "Wireless Note"}));
    EXPECT_EQ(NameOf(Page(PageWireless)), "Wireless Title");
}

TEST_F(ScreenReader, EveryFocusableControlOnEveryPageHasAName)
{
    StartActive();
    for (int index = 0; index < frame_->Pages().Count(); ++index) {
        frame_->ShowPage(index);
        QWidget* page = Page(index);
        ASSERT_NE(page, nullptr) << index;
        EXPECT_FALSE(NameOf(page).isEmpty()) << "page " << index;
        for (QWidget* control : page->findChildren<QWidget*>()) {
            if (!(control->focusPolicy() & Qt::TabFocus))
                continue;
            const QWidget* named = control;
            while (named->parentWidget() != page)
                named = named->parentWidget();
            EXPECT_FALSE(NameOf(control).isEmpty()) << "page " << index << " control " << ControlIdOf(named);
        }
    }
    frame_->ShowPage(PageWelcome);
}

// What Orca read as "check box checked." and the hints beside the fields.
TEST_F(ScreenReader, TiedLabelsNameAndHintsDescribeTheirFields)
{
    StartActive();
    frame_->ShowPage(PageWireless);
    EXPECT_EQ(NameOf(PageControl(PageWireless, 1113)), "SSID Broadcast");
    frame_->ShowPage(PageSecurity);
    EXPECT_EQ(DescriptionOf(PageControl(PageSecurity, 1141)), "8~63 ASCII characters");
    EXPECT_EQ(DescriptionOf(PageControl(PageSecurity, 1142)), "s.60s~9999s");
    // A closed list is read with its value.
    auto* mode = qobject_cast<QComboBox*>(PageControl(PageWireless, 1111));
    ASSERT_NE(mode, nullptr);
    mode->setCurrentIndex(0);
    EXPECT_EQ(DescriptionOf(mode), mode->currentText());
    frame_->ShowPage(PageWelcome);
}
