// A temporary program folder with files written in a chosen encoding.
#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

enum class FileEncoding { Utf8, Utf8Bom, Utf16LeBom };

inline QByteArray Encode(const QString& text, FileEncoding encoding)
{
    switch (encoding) {
    case FileEncoding::Utf8:
        return text.toUtf8();
    case FileEncoding::Utf8Bom:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case FileEncoding::Utf16LeBom:
        break;
    }
    QByteArray bytes("\xFF\xFE");
    for (const QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

class TempFolder {
public:
    QString Path() const { return dir_.path() + u'/'; }

    QString Write(const QString& relative, const QString& text, FileEncoding encoding = FileEncoding::Utf8) const
    {
        const QString path = Path() + relative;
        QDir().mkpath(path.section(u'/', 0, -2));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(Encode(text, encoding));
        return path;
    }

private:
    QTemporaryDir dir_;
};
