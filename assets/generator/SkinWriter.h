// Writes every picture, cursor and icon the program reads from its Skin
// folder, plus the desktop icons and the manuals.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>

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
    // The picture as `name` and, drawn at twice the scale, as its "@2x" twin.
    void WriteAtBothScales(const QString& name, const std::function<QImage()>& draw);

    QString programDir_;
    QString iconDir_;
    QStringList failures_;
};
