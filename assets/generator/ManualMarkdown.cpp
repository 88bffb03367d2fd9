#include "ManualMarkdown.h"

#include <QRegularExpression>

#include <optional>

namespace {

using Kind = ManualBlock::Kind;

bool IsCjk(QChar c) {
    const char16_t u = c.unicode();
    return c.script() == QChar::Script_Han || (u >= 0x3000 && u <= 0x303F) || (u >= 0xFF00 && u <= 0xFFEF);
}

// Splits on "**"; an odd number of markers leaves the text unformatted.
QList<ManualSpan> Spans(const QString& text, QStringList& problems) {
    const QStringList parts = text.split(QStringLiteral("**"));
    if (parts.size() % 2 == 0) {
        problems << QStringLiteral("unpaired ** in: %1").arg(text);
        return {{text, false}};
    }
    QList<ManualSpan> spans;
    for (int i = 0; i < parts.size(); ++i) {
        if (!parts[i].isEmpty()) {
            spans.append({parts[i], i % 2 == 1});
        }
    }
    return spans;
}

struct LineStart {
    Kind kind;
    QString rest;
};

// What a line opens; a plain line continues the paragraph or item before it.
std::optional<LineStart> Opening(const QString& line) {
    static const QRegularExpression numbered(QStringLiteral("^\\d+\\.\\s+(.*)$"));
    if (line.startsWith(QStringLiteral("# "))) {
        return LineStart{Kind::Title, line.mid(2)};
    }
    if (line.startsWith(QStringLiteral("## "))) {
        return LineStart{Kind::Heading, line.mid(3)};
    }
    if (line.startsWith(QStringLiteral("- "))) {
        return LineStart{Kind::Bullet, line.mid(2)};
    }
    if (const QRegularExpressionMatch m = numbered.match(line); m.hasMatch()) {
        return LineStart{Kind::Numbered, m.captured(1)};
    }
    return std::nullopt;
}

class Reader {
public:
    void Line(const QString& raw) {
        static const QRegularExpression figure(QStringLiteral("^!\\[(\\d+)\\]\\(step(\\d+)\\)$"));
        const QString line = raw.trimmed();
        if (line.isEmpty()) {
            Flush();
        } else if (const QRegularExpressionMatch m = figure.match(line); m.hasMatch()) {
            Flush();
            Figure(m.captured(1).toInt(), m.captured(2).toInt());
        } else if (const std::optional<LineStart> start = Opening(line)) {
            Flush();
            kind_ = start->kind;
            lines_ << start->rest;
            if (kind_ == Kind::Title || kind_ == Kind::Heading) {
                Flush();  // a heading is one line
            }
        } else {
            lines_ << line;
        }
    }

    ManualSource Finish() {
        Flush();
        return std::move(source_);
    }

private:
    void Flush() {
        if (!lines_.isEmpty()) {
            source_.blocks.append({kind_, Spans(JoinManualLines(lines_), source_.problems), 0});
        }
        lines_.clear();
        kind_ = Kind::Paragraph;
    }

    void Figure(int number, int step) {
        if (number != step || number < 1) {
            source_.problems << QStringLiteral("figure ![%1](step%2) names two pictures").arg(number).arg(step);
        }
        source_.blocks.append({Kind::Figure, {}, number});
    }

    ManualSource source_;
    QStringList lines_;
    Kind kind_ = Kind::Paragraph;
};

}  // namespace

QString JoinManualLines(const QStringList& lines) {
    QString joined;
    for (const QString& line : lines) {
        if (!joined.isEmpty() && !line.isEmpty() && !IsCjk(joined.back()) && !IsCjk(line.front())) {
            joined += u' ';
        }
        joined += line;
    }
    return joined;
}

ManualSource ParseManual(const QString& markdown) {
    Reader reader;
    for (const QString& line : markdown.split(u'\n')) {
        reader.Line(line);
    }
    return reader.Finish();
}

QStringList LeftoverMarkup(const QString& plainText) {
    static const QRegularExpression markers(
        QStringLiteral("\\*\\*|__|`|!\\[|\\]\\(|^\\s*#+\\s|^\\s*[*+]\\s"), QRegularExpression::MultilineOption);
    QStringList found;
    for (QRegularExpressionMatchIterator it = markers.globalMatch(plainText); it.hasNext();) {
        found << it.next().captured().trimmed();
    }
    return found;
}
