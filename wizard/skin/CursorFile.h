// Cursors from ".cur" files: the picture through Qt's icon reader, the hot
// spot from the file's own directory entry.
#pragma once

#include <QCursor>
#include <QString>

#include <optional>

std::optional<QCursor> LoadCursorFile(const QString& path);
