// A copy of the built program folder set up for one router, and the Setup
// process started from it in a session of its own, so that it and whatever
// it starts end together.
#pragma once

#include <QProcess>
#include <QTemporaryDir>

#include <cstdint>
#include <optional>

class SetupProcess {
public:
    // Copies `programDir` (files, not links: Setup finds its folder through
    // its own file) with a setting.ini pointing at 127.0.0.1:`port`.
    SetupProcess(const QString& programDir, std::uint16_t port);
    ~SetupProcess();
    SetupProcess(const SetupProcess&) = delete;
    SetupProcess& operator=(const SetupProcess&) = delete;

    bool IsPrepared() const { return prepared_; }
    bool Start(const QString& display);
    qint64 Pid() const { return pid_; }
    // The exit code once the process has ended by itself within `limitMs`.
    std::optional<int> WaitForExit(int limitMs);
    // What the program asked the desktop to open, one per line.
    QString OpenedLinks() const;

private:
    bool CopyProgram(const QString& programDir);
    bool WriteSettings(const QString& programDir, std::uint16_t port);
    bool WriteLinkRecorder();
    void KillSession();

    QTemporaryDir folder_;
    QTemporaryDir runtime_;
    QProcess process_;
    qint64 pid_ = 0;
    bool prepared_ = false;
};
