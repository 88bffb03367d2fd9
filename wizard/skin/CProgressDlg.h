// The animated progress dialog behind which one router task runs on its
// own thread. It ends only after the task has finished; the caller then
// reads Result().
#pragma once

#include "CImageDialog.h"
#include "DialogRelayout.h"
#include "ImageEx.h"

#include <QTimer>

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

class CLanguageTable;

class CProgressDlg : public CImageDialog {
    Q_OBJECT
public:
    // The work answers the task's result, or nothing when the task leaves
    // the result alone.
    using Work = std::function<std::optional<int>()>;

    CProgressDlg(int task, Work work, const CLanguageTable& language, QWidget* parent = nullptr);
    ~CProgressDlg() override;

    // 0 until the work hands a result over.
    int Result() const { return result_.load(); }
    // 1..5: the progress picture shown now; 0 when none.
    int CurrentPicture() const { return currentPicture_; }

    // Pictures, shape, worker thread, text and timer; showing the dialog
    // does it, once.
    void InitDialog();
    void setVisible(bool visible) override;
    // One tick of the 500 ms animation timer.
    void OnTimerTick();

    // Language key of the task's progress text; empty for an unknown task.
    static QString TaskTextKey(int task);

    void done(int result) override;

private:
    void LoadPictures();
    void ShowPicture(int number);
    void StartWorker();
    void OnWorkerFinished();

    static constexpr int kLastAnimatedTick = 3567;

    int task_;
    Work work_;
    const CLanguageTable& language_;
    DialogRelayout relayout_;
    std::array<std::unique_ptr<ImageEx>, 5> pictures_;
    QTimer timer_;
    std::thread worker_;
    std::atomic<int> result_{0};
    bool workFinished_ = false;
    bool initialised_ = false;
    int tickCount_ = 0;
    int currentPicture_ = 0;
};
