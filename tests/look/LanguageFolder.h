// A temporary program folder that shows the built program's skins, fonts
// and language files, with a setting.ini that picks one language and points
// the wizard at a test router.
#pragma once

#include <QString>
#include <QTemporaryDir>

class LanguageFolder {
public:
    LanguageFolder(const QString& builtFolder, const QString& language, int routerPort);

    QString Path() const; // with a final '/'

private:
    void LinkEntries(const QString& builtFolder) const;
    void WriteSettings(const QString& builtFolder, const QString& language, int routerPort) const;

    QTemporaryDir dir_;
};
