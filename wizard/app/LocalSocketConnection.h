// One client of a LocalSocketServer: gathers what the client sends until the
// server's answerer can judge it, sends the answer and hangs up. A client
// that stays silent is dropped after a time, so it holds nothing open.
#pragma once

#include "FileDescriptor.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

class QSocketNotifier;

// Judges the bytes received so far: the answer, or nothing to wait for more.
using LocalSocketAnswerer = std::function<std::optional<QByteArray>(const QByteArray& received)>;

class LocalSocketConnection : public QObject {
public:
    LocalSocketConnection(FileDescriptor client, LocalSocketAnswerer answerer,
                          std::chrono::milliseconds silenceLimit, QObject* parent);

private:
    void ReadAvailable();
    // False when the client is gone or sent more than any request holds.
    bool Receive();
    void Send(const QByteArray& answer) const;
    void HangUp();

    FileDescriptor client_;
    LocalSocketAnswerer answerer_;
    QSocketNotifier* readable_;
    QTimer silence_;
    QByteArray received_;
};
