// A listener on a thread of its own that plays one scripted answer to the
// first client's request: for the asking side, which blocks its own thread.
#pragma once

#include "FileDescriptor.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <thread>
#include <vector>

struct ScriptedReply {
    std::chrono::milliseconds pause;
    QByteArray bytes;
};

class ScriptedLocalListener {
public:
    // `accept` false: clients queue and are never taken.
    ScriptedLocalListener(const QString& path, bool accept, std::vector<ScriptedReply> replies);
    // Waits for the script to end.
    ~ScriptedLocalListener();
    ScriptedLocalListener(const ScriptedLocalListener&) = delete;
    ScriptedLocalListener& operator=(const ScriptedLocalListener&) = delete;

private:
    void Play(const std::vector<ScriptedReply>& replies) const;

    FileDescriptor listener_;
    std::thread player_;
};
