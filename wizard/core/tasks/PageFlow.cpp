#include "PageFlow.h"

#include "ProgressTask.h"

PageFlow::PageFlow(WizardData& data, FlowHost& host) : data_(data), host_(host) {}

void PageFlow::Start(const QString& multiLanguage)
{
    Show(multiLanguage.startsWith(QLatin1Char('0')) ? PageWelcome : PageLanguage);
}

void PageFlow::LanguageChosen()
{
    Show(PageWelcome);
}

// A page that refuses its input has shown its warning; the MAC clone and
// security pages then stay without being shown again.
void PageFlow::NextStep()
{
    const int page = data_.pageIndex;
    switch (page) {
    case PageWelcome:
    case 1:
    case 2:
    case 3:
        Show(page + 1);
        break;
    case PageLastInstruction:
        Show(IsLinkConfirmed() ? PageConnectionType : PageLastInstruction);
        break;
    case PageConnectionType:
        ShowPageOfWanType();
        break;
    case PagePppoe:
    case PageStaticIp:
    case PagePptp:
        Show(host_.CollectPage(page) ? PageMacClone : page);
        break;
    case PageMacClone:
        if (host_.CollectPage(page))
            Show(PageWireless);
        break;
    case PageWireless:
        Show(host_.CollectPage(page) ? PageSecurity : page);
        break;
    case PageSecurity:
        if (host_.CollectPage(page))
            SaveAndShowResult();
        break;
    case PageResult:
        host_.FinishWizard();
        break;
    }
}

void PageFlow::PreviousStep()
{
    const int page = data_.pageIndex;
    if (page > PageWelcome && page <= PageResult)
        Show(PageBefore(page));
}

void PageFlow::ChooseConnectionType(int wanType)
{
    data_.routerInfo.wanType = wanType;
    LeaveConnectionTypePage();
}

void PageFlow::LeaveConnectionTypePage()
{
    data_.pageIndex = PageConnectionType;
    NextStep();
}

// The link check, confirmed by the user when it worked; the connect-failed
// dialog when it did not.
bool PageFlow::IsLinkConfirmed()
{
    if (host_.RunProgressTask(TaskLinkCheck).value_or(0) != 1) {
        host_.ShowConnectFailed();
        return false;
    }
    const UserMessage connectOk{MessageNotice, QString(), QStringLiteral(LANG_KEY("Connect OK"))};
    return host_.ShowMessage(connectOk) == AnswerOk;
}

void PageFlow::ShowPageOfWanType()
{
    switch (data_.routerInfo.wanType) {
    case 1:
        Show(PageStaticIp);
        break;
    case 2:
        Show(PageMacClone);
        break;
    case 3:
        Show(PagePppoe);
        break;
    case 4:
        host_.SetPptpTitle(QStringLiteral("PPTP"));
        Show(PagePptp);
        break;
    case 5:
        host_.SetPptpTitle(QStringLiteral("L2TP"));
        Show(PagePptp);
        break;
    default:
        Show(PageConnectionType);
    }
}

// The save task's result only decides whether the reboot task runs.
void PageFlow::SaveAndShowResult()
{
    if (host_.RunProgressTask(TaskSave).value_or(0) != 0)
        host_.RunProgressTask(TaskReboot);
    Show(PageResult);
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

void PageFlow::Show(int page)
{
    data_.pageIndex = page;
    host_.ShowPage(page);
}
