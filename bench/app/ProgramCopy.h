// A copy of the built program folder whose settings send Setup to an
// emulated router on loopback and keep the PC's adapters untouched.
#pragma once

#include <QString>
#include <QTemporaryDir>

#include <cstdint>

class ProgramCopy {
public:
    ProgramCopy(const QString& programDir, std::uint16_t port);

    bool IsReady() const { return ready_; }
    QString SetupPath() const { return folder_.filePath(QStringLiteral("Setup")); }

private:
    bool CopyFiles(const QString& programDir);
    bool PointSettingsAt(std::uint16_t port);

    QTemporaryDir folder_;
    bool ready_ = false;
};
