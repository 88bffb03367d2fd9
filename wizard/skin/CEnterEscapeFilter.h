// Swallows Enter and Escape key presses so they never end a dialog.
#pragma once

#include <QObject>

class QEvent;
class QWidget;

class CEnterEscapeFilter : public QObject {
    Q_OBJECT
public:
    explicit CEnterEscapeFilter(QObject* parent = nullptr);
    // Installs a filter owned by `dialog` on it and its direct children.
    static void Install(QWidget* dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    static bool IsEnterOrEscape(const QEvent* event);
    // Accepts the key; true when the filter is to stop the event.
    static bool Swallow(QEvent* event);
};
