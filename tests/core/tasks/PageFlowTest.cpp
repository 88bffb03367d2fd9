#include "PageFlow.h"
#include "ProgressTask.h"
#include "QtTestSupport.h"

#include <map>
#include <string>
#include <vector>

namespace {

// Plays the frame: logs what the flow asked of it and answers from its script.
class ScriptedFrame : public FlowHost {
public:
    std::map<int, bool> collectAccepts; // by page; accepted when absent
    std::map<int, int> taskResults;     // by task; 1 when absent
    int messageAnswer = AnswerOk;
    std::vector<std::string> log;

    void ShowPage(int page) override { log.push_back("show " + std::to_string(page)); }
    void SetPptpTitle(const QString& title) override { log.push_back("title " + title.toStdString()); }
    bool CollectPage(int page) override
    {
        log.push_back("collect " + std::to_string(page));
        return !collectAccepts.contains(page) || collectAccepts.at(page);
    }
    std::optional<int> RunProgressTask(int task) override
    {
        log.push_back("task " + std::to_string(task));
        return taskResults.contains(task) ? taskResults[task] : 1;
    }
    int ShowMessage(const UserMessage& message) override
    {
        log.push_back("message " + std::to_string(message.boxType) + " [" + message.captionKey.toStdString() + "] "
                      + message.messageKey.toStdString());
        return messageAnswer;
    }
    void ShowConnectFailed() override { log.push_back("connect failed"); }
    void FinishWizard() override { log.push_back("finish"); }
};

using Log = std::vector<std::string>;
// Nothing asked of the frame: not even the page shown again.
const Log kStay;

class PageFlowTest : public testing::Test {
protected:
    template <class Step>
    Log Logged(Step step)
    {
        frame.log.clear();
        step();
        return frame.log;
    }
    Log Next()
    {
        return Logged([this] { flow.NextStep(); });
    }
    Log Back()
    {
        return Logged([this] { flow.PreviousStep(); });
    }
    Log Choose(int wanType)
    {
        return Logged([this, wanType] { flow.ChooseConnectionType(wanType); });
    }

    WizardData data;
    ScriptedFrame frame;
    PageFlow flow{data, frame};
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
        {4, {"title PPTP", "show 8"}, 8, 8},
        {5, {"title L2TP", "show 8"}, 8, 8},
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
        EXPECT_EQ(Back(), kStay);
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
        {"mac rejected stays unshown", 9, 2, {{9, false}}, {}, AnswerOk, {"collect 9"}, 9},
        {"wireless rejected", 10, 2, {{10, false}}, {}, AnswerOk, {"collect 10", "show 10"}, 10},
        {"security rejected stays unshown", 11, 2, {{11, false}}, {}, AnswerOk, {"collect 11"}, 11},
        {"save zero skips reboot", 11, 2, {}, {{TaskSave, 0}}, AnswerOk, {"collect 11", "task 4", "show 12"}, 12},
        {"save failed still reboots", 11, 2, {}, {{TaskSave, -1}}, AnswerOk,
         {"collect 11", "task 4", "task 5", "show 12"}, 12},
        {"finish", 12, 2, {}, {}, AnswerOk, {"finish"}, 12},
        {"language page", 216, 0, {}, {}, AnswerOk, kStay, 216},
        {"below range", -1, 0, {}, {}, AnswerOk, kStay, -1},
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
        EXPECT_EQ(Back(), kStay) << page;
    }
}

TEST_F(PageFlowTest, FailedDetectionKeepsTheTypeChosenBefore)
{
    data.pageIndex = PageConnectionType;
    EXPECT_EQ(Logged([this] { flow.LeaveConnectionTypePage(); }), Log{"show 5"});
    data.routerInfo.wanType = 3;
    data.pageIndex = PagePppoe;
    EXPECT_EQ(Logged([this] { flow.LeaveConnectionTypePage(); }), Log{"show 6"});
}

TEST_F(PageFlowTest, ChoosingAgainAfterBackKeepsOnlyTheLastType)
{
    data.pageIndex = PageConnectionType;
    EXPECT_EQ(Choose(5), (Log{"title L2TP", "show 8"}));
    EXPECT_EQ(Back(), Log{"show 5"});
    EXPECT_EQ(Choose(4), (Log{"title PPTP", "show 8"}));
    EXPECT_EQ(data.routerInfo.wanType, 4);
}

TEST_F(PageFlowTest, StartShowsTheLanguagePageUnlessMultiLanguageStartsWithZero)
{
    const struct {
        const char* setting;
        int page;
    } cases[] = {{"0", 0}, {"0 no", 0}, {"1", 216}, {"", 216}, {"yes", 216}};
    for (const auto& c : cases) {
        EXPECT_EQ(Logged([&] { flow.Start(QString::fromLatin1(c.setting)); }), Log{"show " + std::to_string(c.page)})
            << c.setting;
        EXPECT_EQ(data.pageIndex, c.page);
    }
    EXPECT_EQ(Logged([this] { flow.LanguageChosen(); }), Log{"show 0"});
}

} // namespace
