// The process-level answer seam that keeps scripted runs from blocking.
#include "AutoAnswer.h"
#include "CDlgMessageBox.h"
#include "MessageBoxAutoAnswer.h"
#include "UserMessage.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <optional>

namespace {

struct EnvironmentCase {
    const char* value; // null: unset
    std::optional<int> answer;
};

void PrintTo(const EnvironmentCase& environment, std::ostream* out)
{
    *out << (environment.value ? environment.value : "(unset)");
}

class AppAutoAnswerEnvironment : public ::testing::TestWithParam<EnvironmentCase> {
protected:
    void TearDown() override { qunsetenv("CORVANE_AUTO_ANSWER"); }
};

TEST_P(AppAutoAnswerEnvironment, ReadsOnlyANumber)
{
    if (GetParam().value)
        qputenv("CORVANE_AUTO_ANSWER", GetParam().value);
    else
        qunsetenv("CORVANE_AUTO_ANSWER");
    EXPECT_EQ(AutoAnswerFromEnvironment(), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(Values, AppAutoAnswerEnvironment,
                         ::testing::Values(EnvironmentCase{nullptr, std::nullopt}, EnvironmentCase{"6", 6},
                                           EnvironmentCase{"1", 1}, EnvironmentCase{"yes", std::nullopt},
                                           EnvironmentCase{"", std::nullopt}));

// A real box is shown and ended by the seam, not by a preset answer.
TEST(AppMessageBoxAutoAnswer, EveryShownBoxEndsAtOnceWithTheAnswer)
{
    QObject owner;
    new MessageBoxAutoAnswer(AnswerNo, &owner);
    EXPECT_EQ(ShowMessageBox(MessageQuestion, QStringLiteral("Exit"), QStringLiteral("Leave Massage")), AnswerNo);
    EXPECT_EQ(ShowMessageBox(MessageWarning, QStringLiteral("Waring"), QStringLiteral("Bad")), AnswerNo);
    CDlgMessageBox::TakeRecordedCalls();
}

} // namespace
