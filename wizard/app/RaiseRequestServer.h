// A second start of the wizard brings the running copy's window to the
// front: the running copy listens on a local socket beside its instance
// lock, and a second copy connects there and asks.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

#include <functional>

class QLocalSocket;
class QWidget;

class RaiseRequestServer : public QObject {
public:
    // Listens at `socketPath`, open to this user only; `raise` runs on each
    // request. Only the copy that holds the instance lock may listen, so a
    // socket left there by a copy that died is taken over.
    RaiseRequestServer(const QString& socketPath, std::function<void()> raise);

    // Run by a second copy: true when the running copy took the request.
    static bool AskRunningCopy(const QString& socketPath);

private:
    void Accept();
    void Answer(QLocalSocket* client);

    std::function<void()> raise_;
    QLocalServer server_;
};

// Shows `window` un-minimised in front and gives it the focus; a modal
// dialog open above it comes to the front with it.
void RaiseWizardWindow(QWidget* window);
