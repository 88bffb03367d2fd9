// A private desktop session for measuring the real program's windows: an
// Xvfb display and a session bus, as every desktop has; without the bus each
// program would spend its start-up trying to launch one. Both end with
// this object.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class VirtualDisplay {
public:
    VirtualDisplay() = default;
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // Empty when Xvfb and dbus-daemon are on the PATH; else what is missing.
    static QString MissingTools();
    // Starts Xvfb on a free display number and a session bus; false when either did not come up.
    bool Start();
    QString Name() const { return name_; }
    // `environment` with this session's display and bus.
    QProcessEnvironment SessionEnvironment(QProcessEnvironment environment) const;

private:
    void Stop();

    QString name_;
    QString busAddress_;
    QProcess server_;
    QProcess bus_;
};
