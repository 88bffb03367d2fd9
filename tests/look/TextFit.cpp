#include "TextFit.h"

#include "CSkBtn_Pub.h"
#include "ControlId.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace {

QString Overflow(const QWidget* control, const QString& text, const QSize& needed, const QSize& room)
{
    return QStringLiteral("control %1 \"%2\" needs %3x%4 in %5x%6")
        .arg(ControlIdOf(control))
        .arg(text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

// Each line of a label with line breaks is measured on its own.
QSize SingleLineSize(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    const QStringList lines = text.split(u'\n');
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return {widest, metrics.height() * static_cast<int>(lines.size())};
}

void CheckLabel(const QLabel* label, QStringList& overflows)
{
    const QString text = label->text();
    if (text.isEmpty() || label->textFormat() == Qt::RichText)
        return;
    const QFontMetrics metrics(label->font());
    const QSize room = label->contentsRect().size();
    if (label->wordWrap()) {
        // The label lays out its own text; a last line may reach into the
        // control's edge by its descent without losing anything readable.
        const int needed = label->heightForWidth(label->width());
        if (needed > label->height() + metrics.descent())
            overflows << Overflow(label, text, QSize(label->width(), needed), label->size());
        return;
    }
    const QSize needed = SingleLineSize(metrics, text);
    if (needed.width() > room.width())
        overflows << Overflow(label, text, needed, room);
}

void CheckButton(const CSkBtn_Pub* button, QStringList& overflows)
{
    const QString text = button->text();
    const QRect caption = button->CaptionRect();
    if (text.isEmpty() || caption.isEmpty())
        return;
    const QSize needed = SingleLineSize(QFontMetrics(button->font()), text);
    if (needed.width() > caption.width())
        overflows << Overflow(button, text, needed, caption.size());
}

} // namespace

QStringList TextsThatDoNotFit(const QWidget* window)
{
    QStringList overflows;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->isVisibleTo(window))
            CheckLabel(label, overflows);
    }
    for (const CSkBtn_Pub* button : window->findChildren<CSkBtn_Pub*>()) {
        if (button->isVisibleTo(window))
            CheckButton(button, overflows);
    }
    return overflows;
}
