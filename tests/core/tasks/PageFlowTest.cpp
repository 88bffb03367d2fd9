#include "PageFlow.h"
#include "ProgressTask.h"
#include "QtTestSupport.h"

#include <map>
#include <string>
#include <vector>

namespace {

// Plays the frame: answers every asking step from its script and logs what
// the flow asked for.
class ScriptedFrame {
public:
    std::map<int, bool> collectAccepts; // by page; accepted when absent
    std::map<int, int> taskResults;     // by task; 1 when absent
    int messageAnswer = AnswerOk;
    std::vector<std::string> log;

    void Drive(PageFlow& flow, FlowAction action)
    {
        for (;;) {
            log.push_back(Describe(action));
            switch (action.kind) {
            case FlowAction::Kind::CollectPage:
                action = flow.Continue(Accepts(action.page) ? 1 : 0);
                break;
            case FlowAction::Kind::RunTask:
                action = flow.Continue(taskResults.contains(action.task) ? taskResults[action.task] : 1);
                break;
            case FlowAction::Kind::ShowMessage:
                action = flow.Continue(messageAnswer);
                break;
            case FlowAction::Kind::ShowConnectFailed:
                action = flow.Continue(AnswerOk);
                break;
            default:
                return;
            }
        }
    }

private:
    bool Accepts(int page) const { return !collectAccepts.contains(page) || collectAccepts.at(page); }

    static std::string Describe(const FlowAction& action)
    {
        switch (action.kind) {
        case FlowAction::Kind::ShowPage:
            return "show " + std::to_string(action.page) + (action.title.isEmpty() ? "" : " " + action.title.toStdString());
        case FlowAction::Kind::Stay:
            return "stay";
        case FlowAction::Kind::CollectPage:
            return "collect " + std::to_string(action.page);
        case FlowAction::Kind::RunTask:
            return "task " + std::to_string(action.task);
        case FlowAction::Kind::ShowMessage:
            return "message " + std::to_string(action.message.boxType) + " [" + action.message.captionKey.toStdString()
                + "] " + action.message.messageKey.toStdString();
        case FlowAction::Kind::ShowConnectFailed:
            return "connect failed";
        case FlowAction::Kind::FinishWizard:
            return "finish";
        }
        return "?";
    }
};

using Log = std::vector<std::string>;

class PageFlowTest : public testing::Test {
protected:
    Log Next()
    {
        frame.log.clear();
        frame.Drive(flow, flow.Next());
        return frame.log;
    }
    Log Back()
    {
        frame.log.clear();
        frame.Drive(flow, flow.Back());
        return frame.log;
    }
    Log Choose(int wanType)
    {
        frame.log.clear();
        frame.Drive(flow, flow.ChooseConnectionType(wanType));
        return frame.log;
    }

    WizardData data;
    PageFlow flow{data};
    ScriptedFrame frame;
};

TEST_F(PageFlowTest, EveryConnectionTypeWalksForwardsToFinishAndBackToTheStart)
{
    const struct {
        int wanType;
        Log choice;       // after the choice button
        int wanPage;      // 9 when the type has no page of its own
        int backFromMac;
    } cases[] = {
        {1, {"show 7"}, 7, 7},
        {2, {"show 9"}, 9, 5},
        {3, {"show 6"}, 6, 6},
        {4, {"show 8 PPTP"}, 8, 8},
        {5, {"show 8 L2TP"}, 8, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.wanType);
        data = WizardData();
        for (int page = 1; page <= 4; ++page)
            EXPECT_EQ(Next(), Log{"show " + std::to_string(page)});
        EXPECT_EQ(Next(), (Log{"task 1", "message 3 [] Connect OK", "show 5"}));
        EXPECT_EQ(Choose(c.wanType), c.choice);
        if (c.wanPage != 9) {
            EXPECT_EQ(Next(), (Log{"collect " + std::to_string(c.wanPage), "show 9"}));
        }
        EXPECT_EQ(Next(), (Log{"collect 9", "show 10"}));
        EXPECT_EQ(Next(), (Log{"collect 10", "show 11"}));
        EXPECT_EQ(Next(), (Log{"collect 11", "task 4", "task 5", "show 12"}));

        EXPECT_EQ(Back(), Log{"show 11"});
        EXPECT_EQ(Back(), Log{"show 10"});
        EXPECT_EQ(Back(), Log{"show 9"});
        EXPECT_EQ(Back(), Log{"show " + std::to_string(c.backFromMac)});
        if (c.backFromMac != 5) {
            EXPECT_EQ(Back(), Log{"show 5"});
        }
        for (int page = 4; page >= 0; --page)
            EXPECT_EQ(Back(), Log{"show " + std::to_string(page)});
        EXPECT_EQ(Back(), Log{"stay"});
        EXPECT_EQ(data.pageIndex, 0);
    }
}

TEST_F(PageFlowTest, NextOnEachPageWithItsScriptedOutcome)
{
    const struct {
        const char* name;
        int page;
        int wanType;
        std::map<int, bool> collect;
        std::map<int, int> tasks;
        int messageAnswer;
        Log expected;
        int pageAfter;
    } cases[] = {
        {"link check fails", 4, 0, {}, {{TaskLinkCheck, -1}}, AnswerOk, {"task 1", "connect failed", "show 4"}, 4},
        {"login rejected", 4, 0, {}, {{TaskLinkCheck, 0}}, AnswerOk, {"task 1", "connect failed", "show 4"}, 4},
        {"notice escaped", 4, 0, {}, {}, AnswerEscape, {"task 1", "message 3 [] Connect OK", "show 4"}, 4},
        {"no type chosen", 5, 0, {}, {}, AnswerOk, {"show 5"}, 5},
        {"unknown type", 5, 7, {}, {}, AnswerOk, {"show 5"}, 5},
        {"pppoe rejected", 6, 3, {{6, false}}, {}, AnswerOk, {"collect 6", "show 6"}, 6},
        {"static rejected", 7, 1, {{7, false}}, {}, AnswerOk, {"collect 7", "show 7"}, 7},
        {"pptp rejected", 8, 4, {{8, false}}, {}, AnswerOk, {"collect 8", "show 8"}, 8},
        {"mac rejected stays unshown", 9, 2, {{9, false}}, {}, AnswerOk, {"collect 9", "stay"}, 9},
        {"wireless rejected", 10, 2, {{10, false}}, {}, AnswerOk, {"collect 10", "show 10"}, 10},
        {"security rejected stays unshown", 11, 2, {{11, false}}, {}, AnswerOk, {"collect 11", "stay"}, 11},
        {"save zero skips reboot", 11, 2, {}, {{TaskSave, 0}}, AnswerOk, {"collect 11", "task 4", "show 12"}, 12},
        {"save failed still reboots", 11, 2, {}, {{TaskSave, -1}}, AnswerOk,
         {"collect 11", "task 4", "task 5", "show 12"}, 12},
        {"finish", 12, 2, {}, {}, AnswerOk, {"finish"}, 12},
        {"language page", 216, 0, {}, {}, AnswerOk, {"stay"}, 216},
        {"below range", -1, 0, {}, {}, AnswerOk, {"stay"}, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        data.pageIndex = c.page;
        data.routerInfo.wanType = c.wanType;
        frame.collectAccepts = c.collect;
        frame.taskResults = c.tasks;
        frame.messageAnswer = c.messageAnswer;
        EXPECT_EQ(Next(), c.expected);
        EXPECT_EQ(data.pageIndex, c.pageAfter);
    }
}

TEST_F(PageFlowTest, BackFromTheMacClonePageFollowsTheConnectionType)
{
    const struct {
        int wanType;
        int expected;
    } cases[] = {{0, 9}, {1, 7}, {2, 5}, {3, 6}, {4, 8}, {5, 8}, {6, 9}};
    for (const auto& c : cases) {
        data.pageIndex = PageMacClone;
        data.routerInfo.wanType = c.wanType;
        EXPECT_EQ(Back(), Log{"show " + std::to_string(c.expected)}) << c.wanType;
    }
    for (int page : {13, 216}) {
        data.pageIndex = page;
        EXPECT_EQ(Back(), Log{"stay"}) << page;
    }
}

TEST_F(PageFlowTest, FailedDetectionKeepsTheTypeChosenBefore)
{
    data.pageIndex = PageConnectionType;
    frame.Drive(flow, flow.LeaveConnectionTypePage());
    EXPECT_EQ(frame.log, Log{"show 5"});
    data.routerInfo.wanType = 3;
    data.pageIndex = PagePppoe;
    frame.log.clear();
    frame.Drive(flow, flow.LeaveConnectionTypePage());
    EXPECT_EQ(frame.log, Log{"show 6"});
}

TEST_F(PageFlowTest, ChoosingAgainAfterBackKeepsOnlyTheLastType)
{
    data.pageIndex = PageConnectionType;
    EXPECT_EQ(Choose(5), Log{"show 8 L2TP"});
    EXPECT_EQ(Back(), Log{"show 5"});
    EXPECT_EQ(Choose(4), Log{"show 8 PPTP"});
    EXPECT_EQ(data.routerInfo.wanType, 4);
}

TEST_F(PageFlowTest, StartShowsTheLanguagePageUnlessMultiLanguageStartsWithZero)
{
    const struct {
        const char* setting;
        int page;
    } cases[] = {{"0", 0}, {"0 no", 0}, {"1", 216}, {"", 216}, {"yes", 216}};
    for (const auto& c : cases) {
        frame.log.clear();
        frame.Drive(flow, flow.Start(QString::fromLatin1(c.setting)));
        EXPECT_EQ(frame.log, Log{"show " + std::to_string(c.page)}) << c.setting;
        EXPECT_EQ(data.pageIndex, c.page);
    }
    frame.log.clear();
    frame.Drive(flow, flow.LanguageChosen());
    EXPECT_EQ(frame.log, Log{"show 0"});
}

TEST_F(PageFlowTest, AnswerWithoutAQuestionChangesNothing)
{
    data.pageIndex = PageWireless;
    EXPECT_EQ(flow.Continue(1).kind, FlowAction::Kind::Stay);
    // A Back between a question and its answer drops the question.
    data.pageIndex = PageSecurity;
    EXPECT_EQ(flow.Next().kind, FlowAction::Kind::CollectPage);
    flow.Back();
    EXPECT_EQ(flow.Continue(1).kind, FlowAction::Kind::Stay);
    EXPECT_EQ(data.pageIndex, PageWireless);
}

} // namespace
