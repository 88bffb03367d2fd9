#include "CResultDlg.h"

#include "CBusySign.h"
#include "CSkBtn_Pub.h"
#include "ConditionSleeper.h"
#include "HouseStyles.h"
#include "ResultDisplay.h"
#include "TranslateDialog.h"
#include "WizardData.h"
#include "WizardHost.h"

#include <QCoreApplication>

#include <utility>

namespace {
constexpr int kTitle = 1171;
constexpr int kStatusNote = 1207;
constexpr int kPairFontSize = 9;

struct LabelPair {
    int label;
    ResultField value;
};

constexpr LabelPair kPairs[] = {
    {1067, ResultLinkMode}, {1066, ResultWanIp}, {1068, ResultSubnetMask},   {1069, ResultGateway},
    {1078, ResultWanMac},   {1070, ResultSsid},  {1072, ResultChannel},      {1071, ResultWirelessMode},
    {1193, ResultBroadcast}, {1194, ResultSecurityMode}, {1195, ResultKey},
};

std::unique_ptr<InterruptibleSleeper> OrRealSleeper(std::unique_ptr<InterruptibleSleeper> sleeper)
{
    return sleeper ? std::move(sleeper) : std::make_unique<ConditionSleeper>();
}

} // namespace

CResultDlg::CResultDlg(QWidget* parent, WizardHost& host, std::unique_ptr<InterruptibleSleeper> sleeper)
    : CWizardPage(kTemplateId, QStringLiteral("%sSkin\\Background3.bmp"), parent, host)
    , sleeper_(OrRealSleeper(std::move(sleeper)))
    , refresher_(host.Data().router, *sleeper_, PostingListener())
    , extras_(*this, host.Data())
{
    if (auto* refresh = Control<QAbstractButton>(kRefreshButton))
        connect(refresh, &QAbstractButton::clicked, this, &CResultDlg::Refresh);
    if (auto* save = Control<QAbstractButton>(ResultExtras::kSaveCard))
        connect(save, &QAbstractButton::clicked, this, [this] { extras_.SaveCard(); });
    // The refresh thread must not outlive the program's event loop.
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, [this] { refresher_.Stop(); });
    InitDialog();
}

CResultDlg::~CResultDlg()
{
    // Before the page's parts go: the thread posts to this object.
    refresher_.Stop();
}

void CResultDlg::OnInitDialog()
{
    RelayoutForScreen();
    StyleControls();
    Translate();
    extras_.Prepare();
}

void CResultDlg::StyleControls()
{
    ApplyStepNumberStyle();
    ApplyTitleStyle(Attr(kTitle));
    ApplyLabelStyle(Attr(kStatusNote));
    for (const LabelPair& pair : kPairs)
        ApplyLabelPairStyle(Attr(pair.label), Attr(pair.value), kPairFontSize, true, kPairFontSize, false);
    ApplyButtonStyle(Control<CSkBtn_Pub>(kRefreshButton), false);
    busySign_ = new CBusySign(this);
    busySign_->PlaceBeside(FindControl(this, kRefreshButton));
    ApplyButtonStyle(Control<CSkBtn_Pub>(ResultExtras::kSaveCard), false,
                     ProgramPath(QStringLiteral("%s\\Skin\\Button_Card.bmp")));
}

void CResultDlg::showEvent(QShowEvent* event)
{
    CWizardPage::showEvent(event);
    FillFields();
    refresher_.StartRounds(Data().Endpoint());
    extras_.PageShown();
    extras_.ShowState(refresher_.IsRunning());
}

void CResultDlg::hideEvent(QHideEvent* event)
{
    CWizardPage::hideEvent(event);
    // Out of sight (Back or the end): no more polling while other tasks use the router.
    refresher_.Pause();
    FillFields();
}

void CResultDlg::FillFields()
{
    std::array<QString, ResultFields.size()> shown;
    for (std::size_t i = 0; i < ResultFields.size(); ++i) {
        if (const QWidget* field = FindControl(this, ResultFields[i]))
            shown[i] = ControlCaption(field);
    }
    for (const ResultFieldText& change : ChangedResultFields(shown, Data().wanStatusInfo, Language())) {
        if (QWidget* field = FindControl(this, change.field))
            SetControlCaption(field, change.text);
    }
}

void CResultDlg::Refresh()
{
    SetRefreshEnabled(false);
    if (!refresher_.RequestRefresh(Data().Endpoint()))
        SetRefreshEnabled(!refresher_.IsRefreshPending());
}

void CResultDlg::SetRefreshEnabled(bool enabled)
{
    if (QWidget* refresh = FindControl(this, kRefreshButton))
        refresh->setEnabled(enabled);
    if (busySign_)
        busySign_->SetBusy(!enabled);
}

ResultRefresher::Listener CResultDlg::PostingListener()
{
    return {
        [this] { QMetaObject::invokeMethod(this, [this] { SetRefreshEnabled(false); }, Qt::QueuedConnection); },
        [this](const WanStatusInfo& status) {
            QMetaObject::invokeMethod(this, [this, status] { TakeWanStatus(status); }, Qt::QueuedConnection);
        },
    };
}

void CResultDlg::TakeWanStatus(const WanStatusInfo& status)
{
    // A read that ended after the page was left: a task may be using the record now.
    if (!isVisible())
        return;
    // Only the router's five strings; the wireless half is the pages' own.
    WanStatusInfo& record = Data().wanStatusInfo;
    record.connectionType = status.connectionType;
    record.wanIp = status.wanIp;
    record.subnetMask = status.subnetMask;
    record.gateway = status.gateway;
    record.wanMac = status.wanMac;
    FillFields();
    const ResultHeadline before = extras_.State().headline;
    extras_.ShowState(refresher_.IsRunning());
    // "Connecting" turning into "online" happens with the focus elsewhere.
    if (extras_.State().headline != before)
        Announce();
    SetRefreshEnabled(!refresher_.IsRefreshPending());
}
