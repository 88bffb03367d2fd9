// Writes every picture, cursor and icon the program reads from its Skin
// folder, plus the desktop icons and the manuals.
#pragma once

#include <QString>
#include <QStringList>

class SkinWriter {
public:
    SkinWriter(QString programDir, QString iconDir) : programDir_(std::move(programDir)), iconDir_(std::move(iconDir)) {}

    bool WriteSkin();
    bool WriteDesktopIcons();
    // One PDF per language: <stem>_<Language>.pdf from <sourceDir>/<Language>.md.
    bool WriteManuals(const QString& sourceDir, const QString& stem);

    QStringList Failures() const { return failures_; }

private:
    void Check(bool ok, const QString& what);
    QString SkinPath(const QString& name) const;
    void WriteWindows();
    void WriteButtons();
    void WriteIcons();
    void WritePages();
    void WriteInstructions();

    QString programDir_;
    QString iconDir_;
    QStringList failures_;
};
