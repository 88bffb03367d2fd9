// A small turning arc beside a control that is greyed out while work it
// started goes on, so that the wait does not look like a dead button.
#pragma once

#include <QTimer>
#include <QWidget>

class CBusySign : public QWidget {
    Q_OBJECT
public:
    explicit CBusySign(QWidget* parent);

    // Shows the sign and turns it, or hides it.
    void SetBusy(bool busy);
    bool IsBusy() const { return timer_.isActive(); }
    // Just right of `control`, centred on its height.
    void PlaceBeside(const QWidget* control);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer timer_;
    int angle_ = 0;
};
