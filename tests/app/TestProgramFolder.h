// A temporary program folder with its own setting.ini. The adapter reset is
// always off, so no test touches this machine's network configuration.
#pragma once

#include <QString>
#include <QTemporaryDir>

#include <map>

class TestProgramFolder {
public:
    using Settings = std::map<QString, QString>;

    // `settings` go to section "Setting" beside "Auto Get IP" = 0.
    explicit TestProgramFolder(const Settings& settings = {});

    QString Path() const; // with a final '/'
    void WriteFile(const QString& relativePath, const QByteArray& contents) const;
    // A language file under Language/ with section "String".
    void WriteLanguage(const QString& fileName, const Settings& texts) const;

private:
    QTemporaryDir dir_;
};
