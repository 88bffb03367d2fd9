// A test's client of a local socket server on this thread's event loop: it
// sends exactly the bytes it is given, when it is told, and lets the server's
// events run while it waits for the answer.
#pragma once

#include "FileDescriptor.h"

#include <QByteArray>
#include <QString>

class RawLocalClient {
public:
    explicit RawLocalClient(const QString& path);

    bool IsConnected() const { return connected_; }
    // Sends and lets the server read it before the next part comes.
    void Send(const QByteArray& bytes);
    // Sends and hangs up before the server could answer.
    void SendAndHangUp(const QByteArray& bytes);
    // Tells the server nothing more comes.
    void EndSending();
    // Everything until the server hangs up; false when it kept the line open.
    bool ReadUntilHungUp(QByteArray& received, int limitMs = 2000);

private:
    void SendNow(const QByteArray& bytes) const;

    FileDescriptor socket_;
    bool connected_ = false;
};
