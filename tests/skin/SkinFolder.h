// A throw-away program folder with small skin pictures made on the spot.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

class QWidget;

class SkinFolder {
public:
    SkinFolder();
    ~SkinFolder();

    QString Path(const QString& relative) const;
    // A picture of one colour, saved in the format its extension names.
    void WritePicture(const QString& relative, QSize size, QColor color);
    void WriteImage(const QString& relative, const QImage& image);
    void WriteText(const QString& relative, const QByteArray& text);
    // A 32 × 32 ".cur" file with the given hot spot.
    void WriteCursor(const QString& relative, int hotX, int hotY);
    // The standard pictures of the toolkit with their shared sizes.
    void WriteStandardSkin();

private:
    QTemporaryDir dir_;
};

// Saves the widget's look for a person to look at; never compared.
void SaveScreenshot(QWidget* widget, const QString& name);
