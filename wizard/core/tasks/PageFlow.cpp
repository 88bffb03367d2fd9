#include "PageFlow.h"

#include "ProgressTask.h"

namespace {

FlowAction ActionOf(FlowAction::Kind kind)
{
    FlowAction action;
    action.kind = kind;
    return action;
}

FlowAction RunTaskAction(int task)
{
    FlowAction action = ActionOf(FlowAction::Kind::RunTask);
    action.task = task;
    return action;
}

FlowAction CollectAction(int page)
{
    FlowAction action = ActionOf(FlowAction::Kind::CollectPage);
    action.page = page;
    return action;
}

FlowAction MessageAction(const UserMessage& message)
{
    FlowAction action = ActionOf(FlowAction::Kind::ShowMessage);
    action.message = message;
    return action;
}

} // namespace

PageFlow::PageFlow(WizardData& data) : data_(data) {}

FlowAction PageFlow::Start(const QString& multiLanguage)
{
    return Show(multiLanguage.startsWith(QLatin1Char('0')) ? PageWelcome : PageLanguage);
}

FlowAction PageFlow::LanguageChosen()
{
    return Show(PageWelcome);
}

FlowAction PageFlow::Next()
{
    pending_ = Pending::None;
    const int page = data_.pageIndex;
    if (page == PageResult)
        return ActionOf(FlowAction::Kind::FinishWizard);
    if (page < PageWelcome || page > PageSecurity)
        return Stay();
    if (page < PageLastInstruction)
        return Show(page + 1);
    if (page == PageLastInstruction)
        return Ask(Pending::LinkCheck, RunTaskAction(TaskLinkCheck));
    if (page == PageConnectionType)
        return NextFromConnectionType();
    return Ask(Pending::Collect, CollectAction(page));
}

FlowAction PageFlow::Back()
{
    pending_ = Pending::None;
    const int page = data_.pageIndex;
    if (page <= PageWelcome || page > PageResult)
        return Stay();
    return Show(PageBefore(page));
}

int PageFlow::PageBefore(int page) const
{
    if (page == PagePppoe || page == PageStaticIp || page == PagePptp)
        return PageConnectionType;
    if (page != PageMacClone)
        return page - 1;
    switch (data_.routerInfo.wanType) {
    case 1:
        return PageStaticIp;
    case 2:
        return PageConnectionType;
    case 3:
        return PagePppoe;
    case 4:
    case 5:
        return PagePptp;
    default:
        return PageMacClone;
    }
}

FlowAction PageFlow::Continue(int outcome)
{
    const Pending pending = pending_;
    pending_ = Pending::None;
    switch (pending) {
    case Pending::LinkCheck:
        return ContinueAfterLinkCheck(outcome);
    case Pending::ConnectOk:
        return Show(outcome == AnswerOk ? PageConnectionType : PageLastInstruction);
    case Pending::ConnectFailed:
        return Show(PageLastInstruction);
    case Pending::Collect:
        return ContinueAfterCollect(outcome != 0);
    case Pending::Save:
        if (outcome != 0)
            return Ask(Pending::Reboot, RunTaskAction(TaskReboot));
        return Show(PageResult);
    case Pending::Reboot:
        return Show(PageResult);
    case Pending::None:
        break;
    }
    return Stay();
}

FlowAction PageFlow::ContinueAfterLinkCheck(int result)
{
    if (result != 1)
        return Ask(Pending::ConnectFailed, ActionOf(FlowAction::Kind::ShowConnectFailed));
    const UserMessage connectOk{MessageNotice, QString(), QStringLiteral(LANG_KEY("Connect OK"))};
    return Ask(Pending::ConnectOk, MessageAction(connectOk));
}

FlowAction PageFlow::ContinueAfterCollect(bool accepted)
{
    const int page = data_.pageIndex;
    if (!accepted)
        return page == PageMacClone || page == PageSecurity ? Stay() : Show(page);
    if (page == PageSecurity)
        return Ask(Pending::Save, RunTaskAction(TaskSave));
    return Show(page == PageMacClone || page == PageWireless ? page + 1 : PageMacClone);
}

FlowAction PageFlow::NextFromConnectionType()
{
    switch (data_.routerInfo.wanType) {
    case 1:
        return Show(PageStaticIp);
    case 2:
        return Show(PageMacClone);
    case 3:
        return Show(PagePppoe);
    case 4:
        return Show(PagePptp, QStringLiteral("PPTP"));
    case 5:
        return Show(PagePptp, QStringLiteral("L2TP"));
    default:
        return Show(PageConnectionType);
    }
}

FlowAction PageFlow::ChooseConnectionType(int wanType)
{
    data_.routerInfo.wanType = wanType;
    return LeaveConnectionTypePage();
}

FlowAction PageFlow::LeaveConnectionTypePage()
{
    data_.pageIndex = PageConnectionType;
    return Next();
}

FlowAction PageFlow::Ask(Pending pending, FlowAction action)
{
    pending_ = pending;
    return action;
}

FlowAction PageFlow::Show(int page, const QString& title)
{
    data_.pageIndex = page;
    FlowAction action = ActionOf(FlowAction::Kind::ShowPage);
    action.page = page;
    action.title = title;
    return action;
}

FlowAction PageFlow::Stay()
{
    return ActionOf(FlowAction::Kind::Stay);
}
