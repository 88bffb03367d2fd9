// A picture loaded from a file for drawing over a whole dialog.
#pragma once

#include <QImage>
#include <QString>

class ImageEx : public QImage {
public:
    // A name with Windows separators is found in the program folder.
    explicit ImageEx(const QString& path);
};
