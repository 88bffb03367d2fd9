// A second start brings the running wizard's window to the front.
#include "RaiseRequestServer.h"

#include <QDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(AppRaiseWindow, AMinimisedWizardComesBackActive)
{
    QDialog frame;
    frame.resize(300, 200);
    frame.showMinimized();
    ASSERT_TRUE(frame.isMinimized());

    RaiseWizardWindow(&frame);
    EXPECT_FALSE(frame.isMinimized());
    EXPECT_TRUE(frame.isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(&frame, 2000));
}

// Raising the frame alone would hide the question the wizard waits for.
TEST(AppRaiseWindow, AnOpenModalDialogStaysInFrontOfTheFrame)
{
    QDialog frame;
    frame.show();
    QDialog question(&frame);
    bool questionActive = false;
    QTimer::singleShot(0, &question, [&] {
        frame.showMinimized();
        RaiseWizardWindow(&frame);
        questionActive = QTest::qWaitForWindowActive(&question, 2000);
        question.reject();
    });
    question.exec();
    EXPECT_FALSE(frame.isMinimized());
    EXPECT_TRUE(questionActive);
}

} // namespace
