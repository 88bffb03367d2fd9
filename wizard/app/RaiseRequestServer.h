// A second start of the wizard brings the running copy's window to the
// front: the running copy listens on a local socket beside its instance
// lock, and a second copy connects there and asks.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;
class QLocalSocket;

class RaiseRequestServer : public QObject {
public:
    // Listens at `socketPath`; `raise` runs on each request. Only the copy
    // that holds the instance lock may listen, so a socket left there by a
    // copy that died is taken over.
    RaiseRequestServer(const QString& socketPath, std::function<void()> raise, QObject* parent = nullptr);

    bool IsListening() const;

    // Run by a second copy: true when the running copy took the request.
    static bool AskRunningCopy(const QString& socketPath);

private:
    void Accept();
    void Read(QLocalSocket* client);

    QLocalServer* server_;
    std::function<void()> raise_;
};

// Shows `window` un-minimised in front and gives it the focus; a modal
// dialog open above it comes to the front with it.
void RaiseWizardWindow(QWidget* window);
