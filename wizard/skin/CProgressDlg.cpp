#include "CProgressDlg.h"

#include "CLanguageTable.h"
#include "CSkStatic.h"
#include "CEnterEscapeFilter.h"
#include "DialogBuilder.h"
#include "HouseStyles.h"
#include "ProgramFolder.h"
#include "ScreenDpi.h"
#include "SettingsReader.h"

#include <system_error>

namespace {
constexpr int kTemplateId = 135;
constexpr int kTextId = 1173;
constexpr int kCornerEllipse = 15;
} // namespace

CProgressDlg::CProgressDlg(int task, Work work, const CLanguageTable& language, QWidget* parent)
    : CImageDialog(kTemplateId, parent)
    , task_(task)
    , work_(std::move(work))
    , language_(language)
{
    setModal(true);
    CEnterEscapeFilter::Install(this);
    timer_.setInterval(500);
    connect(&timer_, &QTimer::timeout, this, &CProgressDlg::OnTimerTick);
}

CProgressDlg::~CProgressDlg()
{
    if (worker_.joinable())
        worker_.join();
}

QString CProgressDlg::TaskTextKey(int task)
{
    static const char* const keys[] = {"prg_link", "prg_auto", "prg_check", "prg_save", "prg_reboot"};
    if (task < 1 || task > 5)
        return {};
    return QString::fromLatin1(keys[task - 1]);
}

void CProgressDlg::setVisible(bool visible)
{
    if (visible)
        InitDialog();
    CImageDialog::setVisible(visible);
}

void CProgressDlg::InitDialog()
{
    if (initialised_)
        return;
    initialised_ = true;
    MeasureScreenDpi(this);
    relayout_.ApplyForScreen(this, kTemplateId);
    SetOwnRegion(1);
    LoadPictures();
    StartWorker();
    const QString key = TaskTextKey(task_);
    auto* text = FindControlAs<CSkStatic>(this, kTextId);
    text->setText(key.isEmpty() ? QString() : language_.GetText(key));
    setWindowTitle(text->text());
    text->SetTextFont(864 / ScreenDpi(), ReadFontFace(), false, true);
    timer_.start();
}

void CProgressDlg::LoadPictures()
{
    for (int i = 0; i < 5; ++i) {
        const QString path = GetProgramFolder() + QStringLiteral("Skin\\progress%1.png").arg(i + 1);
        pictures_[static_cast<std::size_t>(i)] = std::make_unique<ImageEx>(path);
    }
    ShowPicture(1);
    // Without a first picture the dialog keeps its template size.
    if (!pictures_[0]->isNull())
        setFixedSize(pictures_[0]->size());
    SetRoundedShape(kCornerEllipse);
}

void CProgressDlg::ShowPicture(int number)
{
    currentPicture_ = number;
    SetImage(pictures_[static_cast<std::size_t>(number - 1)].get());
}

void CProgressDlg::StartWorker()
{
    if (worker_.joinable())
        return;
    try {
        worker_ = std::thread([this] {
            const std::optional<int> result = work_ ? work_() : std::nullopt;
            if (result)
                result_.store(*result);
            QMetaObject::invokeMethod(this, [this] { OnWorkerFinished(); }, Qt::QueuedConnection);
        });
    } catch (const std::system_error&) {
        // No thread: end at once with the result 0.
        result_.store(0);
        QMetaObject::invokeMethod(this, [this] { OnWorkerFinished(); }, Qt::QueuedConnection);
    }
}

void CProgressDlg::OnTimerTick()
{
    ++tickCount_;
    if (tickCount_ < kLastAnimatedTick) {
        ShowPicture(tickCount_ % 5 + 1);
        return;
    }
    if (workFinished_) {
        timer_.stop();
        done(Result() != 0 ? Accepted : Rejected);
    }
}

void CProgressDlg::OnWorkerFinished()
{
    workFinished_ = true;
    timer_.stop();
    done(Rejected);
}

void CProgressDlg::done(int result)
{
    // Nothing ends the dialog while the work runs.
    if (!workFinished_)
        return;
    CImageDialog::done(result);
}
