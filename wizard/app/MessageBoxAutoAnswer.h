// Answers every skinned message box of the process as soon as it is shown,
// with a fixed answer, and reports its caption and message on stderr.
#pragma once

#include <QObject>

class MessageBoxAutoAnswer : public QObject {
    Q_OBJECT
public:
    // Installs itself on the application.
    MessageBoxAutoAnswer(int answer, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int answer_;
};
