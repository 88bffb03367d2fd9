// Keeps a second copy of the wizard from running: one lock per "App Name"
// text, held for the whole run. The system lets go of a crashed copy's lock.
#pragma once

#include "FileDescriptor.h"

#include <QString>

class SingleInstanceGuard {
public:
    // `folder` empty: the user's runtime folder, else the temporary folder.
    explicit SingleInstanceGuard(const QString& appName, const QString& folder = {});

    // False when another running copy holds the lock: this copy must end with
    // code 0. A lock that cannot be made at all does not keep the wizard from
    // running.
    bool TryAcquire();
    // Lets the next copy start; for a copy that ends before its window.
    void Release();
    // Where the copy holding the lock listens for a second start.
    QString SocketPath() const;

private:
    QString lockPath_;
    FileDescriptor lockFile_;
    bool held_ = false;
};
