// A private Xvfb display for measuring the real program's windows; the
// server ends with this object.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

class VirtualDisplay {
public:
    VirtualDisplay() = default;
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // Empty when Xvfb is on the PATH; else what is missing.
    static QString MissingTools();
    // Starts Xvfb on a free display number; false when none came up.
    bool Start();
    QString Name() const { return name_; }

private:
    void Stop();

    QString name_;
    QProcess server_;
};
