// Keeps a second copy of the wizard from running: one lock per "App Name"
// text, held for the whole run. A lock left by a crashed copy is taken over.
#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

class SingleInstanceGuard {
public:
    // `folder` empty: the user's runtime folder, else the temporary folder.
    explicit SingleInstanceGuard(const QString& appName, const QString& folder = {});

    // False when another running copy holds the lock: this copy must end with code 0.
    bool TryAcquire();
    // Lets the next copy start; for a copy that ends before its window.
    void Release();
    QString LockPath() const;
    // Where the copy holding the lock listens for a second start.
    QString SocketPath() const;

private:
    QString lockPath_;
    std::unique_ptr<QLockFile> lock_;
};
