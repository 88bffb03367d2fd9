// Listens on a local (AF_UNIX) stream socket at a path, on the event loop:
// each client sends one request and gets one answer. The socket file is
// open to this user only. A socket file already at the path is replaced, so
// only a caller that owns the path (the instance lock's holder) may listen.
#pragma once

#include "FileDescriptor.h"
#include "LocalSocketConnection.h"

#include <QObject>
#include <QSocketNotifier>
#include <QString>

#include <chrono>

class LocalSocketServer : public QObject {
public:
    // A client silent for `silenceLimit` is dropped.
    LocalSocketServer(const QString& path, LocalSocketAnswerer answerer,
                      std::chrono::milliseconds silenceLimit = std::chrono::seconds(2), QObject* parent = nullptr);
    // Removes the socket file, so a later start does not find a dead socket.
    ~LocalSocketServer() override;
    LocalSocketServer(const LocalSocketServer&) = delete;
    LocalSocketServer& operator=(const LocalSocketServer&) = delete;

    bool IsListening() const { return listener_.IsOpen(); }

private:
    void Listen();
    void AcceptPending();
    void PauseAccepting();

    QString path_;
    LocalSocketAnswerer answerer_;
    std::chrono::milliseconds silenceLimit_;
    FileDescriptor listener_;
    QSocketNotifier* pending_ = nullptr;
};
