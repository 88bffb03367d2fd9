// Connection choices drawn as cards, and hover looks that follow the pointer
// across modal dialogs.
#include "CSkBtn_Hotspot.h"
#include "CSkBtn_Pic.h"
#include "ChoiceCard.h"
#include "SkinFolder.h"

#include <QDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(ChoiceCaption, SplitsAtTheFirstColonOfEitherWidth)
{
    const struct {
        const char* text;
        const char* title;
        const char* description;
    } cases[] = {
        {"PPPoE: user name and password (DSL)", "PPPoE", "user name and password (DSL)"},
        {"静态 IP：运营商提供了固定的 IP 地址", "静态 IP", "运营商提供了固定的 IP 地址"},
        {"A: b: c", "A", "b: c"},
        {"B：x: y", "B", "x: y"},
        {"Dynamic IP", "Dynamic IP", ""},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        const ChoiceCaption caption = SplitChoiceCaption(QString::fromUtf8(c.text));
        EXPECT_EQ(caption.title, QString::fromUtf8(c.title)) << c.text;
        EXPECT_EQ(caption.description, QString::fromUtf8(c.description)) << c.text;
    }
}

TEST(ChoiceCardStack, CardsFillTheAreaWithoutOverlap)
{
    const QRect area(80, 80, 540, 265);
    for (int count : {1, 3, 5}) {
        const std::vector<QRect> cards = StackCards(area, count, 10);
        ASSERT_EQ(cards.size(), static_cast<std::size_t>(count));
        EXPECT_EQ(cards.front().top(), area.top());
        EXPECT_EQ(cards.back().bottom(), area.bottom());
        for (std::size_t i = 1; i < cards.size(); ++i) {
            EXPECT_EQ(cards[i].top() - cards[i - 1].bottom() - 1, 10) << count;
            EXPECT_EQ(cards[i].width(), area.width());
        }
    }
    EXPECT_TRUE(StackCards(area, 0, 10).empty());
}

class ChoiceCardLook : public ::testing::Test {
protected:
    void SetUp() override
    {
        skin.WriteStandardSkin();
        window.resize(420, 200);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    SkinFolder skin;
    QWidget window;
};

// How many pixels of the card are dark enough to read as text.
int DarkPixels(const QImage& shot)
{
    int dark = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            dark += qGray(shot.pixel(x, y)) < 90;
    return dark;
}

TEST_F(ChoiceCardLook, HoverAndPressLookDifferentAndKeepTheTextReadable)
{
    CSkBtn_Hotspot card(&window);
    card.setText(QStringLiteral("PPPoE: your provider gave you a user name and a password"));
    card.SetCardLook(true);
    card.setGeometry(10, 10, 400, 70);
    card.show();
    const QImage idle = card.grab().toImage();

    QTest::mouseMove(&card, QPoint(200, 35));
    ASSERT_EQ(card.GetStateIndex(), 1);
    const QImage hover = card.grab().toImage();

    QTest::mousePress(&card, Qt::LeftButton, {}, QPoint(200, 35));
    ASSERT_EQ(card.GetStateIndex(), 2);
    const QImage pressed = card.grab().toImage();
    QTest::mouseRelease(&card, Qt::LeftButton, {}, QPoint(200, 35));

    EXPECT_NE(idle, hover);
    EXPECT_NE(hover, pressed);
    // Hover must not read as disabled: the text stays as dark as when idle.
    EXPECT_GE(DarkPixels(hover), DarkPixels(idle) * 9 / 10);
    EXPECT_GT(DarkPixels(idle), 100);
    card.setEnabled(false);
    EXPECT_LT(DarkPixels(card.grab().toImage()), DarkPixels(idle) / 2);
    SaveScreenshot(&card, QStringLiteral("choice_card_disabled"));
}

// The button under the pointer when a modal dialog opens gets no leave
// event; once the dialog is gone the button must not stay lit where the
// pointer no longer is (Finish after the progress dialogs).
TEST_F(ChoiceCardLook, HoverEndsWhenThePointerLeftDuringAModalDialog)
{
    CSkBtn_Pic button(&window);
    // Empty, it would shrink to nothing once shown.
    button.SetFitToContent(false);
    button.setGeometry(10, 10, 100, 30);
    button.show();
    QTest::mouseMove(&button, QPoint(50, 15));
    ASSERT_EQ(button.GetStateIndex(), 1);
    QDialog modal;
    modal.resize(50, 50);
    QTimer::singleShot(0, &modal, [&] {
        QCursor::setPos(window.mapToGlobal(QPoint(300, 150)));
        modal.accept();
    });
    modal.exec();
    window.activateWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(button.GetStateIndex(), 0);
}

} // namespace
