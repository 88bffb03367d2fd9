// Reads the pictures that ship beside the program.
#pragma once

#include <QImage>
#include <QString>

// The picture at a program-folder path (Windows separators allowed), read as
// the format its name says. Guessing the format instead makes Qt load every
// image plugin it has before the first window shows; a file whose content
// does not match its name reads as no picture.
QImage ReadSkinPicture(const QString& path);
