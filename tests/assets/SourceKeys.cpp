#include "SourceKeys.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

namespace {

const QString kLiteral = QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re");

const QRegularExpression& KeyPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"re((?:\bGetText\s*\(\s*(?:QStringLiteral\s*\(\s*)?|\bLANG_KEY\s*\(\s*|\.caption\s*=\s*))re") +
        kLiteral);
    return pattern;
}

QString Unescape(QString literal) {
    literal.replace(QStringLiteral("\\\""), QStringLiteral("\""));
    literal.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    return literal;
}

}  // namespace

void SourceKeys::ScanText(const QString& text, const QString& origin) {
    QRegularExpressionMatchIterator it = KeyPattern().globalMatch(text);
    while (it.hasNext()) {
        const QString key = Unescape(it.next().captured(1)).trimmed();
        if (!key.isEmpty() && !keys_.contains(key)) {
            keys_.insert(key, origin);
        }
    }
}

void SourceKeys::ScanTree(const QString& root) {
    QDirIterator files(root, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            ScanText(QString::fromUtf8(file.readAll()), path.mid(root.size() + 1));
        }
    }
}
