#include "TextContrast.h"

#include "ContrastRatio.h"
#include "ControlId.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

#include <algorithm>

namespace {

// A control's text, read and written; writing the empty text hides it.
struct TextAccess {
    std::function<QString()> read;
    std::function<void(const QString&)> write;
};

std::optional<TextAccess> AccessOf(QWidget* control)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        return TextAccess{[label] { return label->text(); }, [label](const QString& t) { label->setText(t); }};
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return TextAccess{[button] { return button->text(); }, [button](const QString& t) { button->setText(t); }};
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return TextAccess{[edit] { return edit->text(); }, [edit](const QString& t) { edit->setText(t); }};
    if (auto* box = qobject_cast<QGroupBox*>(control))
        return TextAccess{[box] { return box->title(); }, [box](const QString& t) { box->setTitle(t); }};
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        return TextAccess{[combo] { return combo->currentText(); },
                          [combo](const QString& t) { combo->setItemText(combo->currentIndex(), t); }};
    }
    return std::nullopt;
}

QImage Shot(QWidget* window, const QRect& area)
{
    return window->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
}

// The strongest contrast between a pixel the text changed and the same
// pixel without the text; 1 when the text changed nothing.
double InkContrast(const QImage& with, const QImage& without)
{
    double best = 1.0;
    for (int y = 0; y < std::min(with.height(), without.height()); ++y) {
        for (int x = 0; x < std::min(with.width(), without.width()); ++x) {
            const QRgb ink = with.pixel(x, y);
            const QRgb under = without.pixel(x, y);
            if (ink != under)
                best = std::max(best, ContrastRatio(ink, under));
        }
    }
    return best;
}

std::optional<TextContrast> Measure(QWidget* window, QWidget* control)
{
    const std::optional<TextAccess> access = AccessOf(control);
    if (!access)
        return std::nullopt;
    const QString original = access->read();
    const bool editable = qobject_cast<QLineEdit*>(control) != nullptr;
    if (!editable && !std::any_of(original.begin(), original.end(), [](QChar c) { return c.isLetterOrNumber(); }))
        return std::nullopt;
    const QString shown = original.isEmpty() ? QStringLiteral("192") : original;
    const QRect area(control->mapTo(window, QPoint(0, 0)), control->size());
    access->write(shown);
    const QImage with = Shot(window, area);
    access->write(QString());
    const QImage without = Shot(window, area);
    access->write(original);
    return TextContrast{QStringLiteral("%1 %2 \"%3\"")
                            .arg(QString::fromLatin1(control->metaObject()->className()))
                            .arg(ControlIdOf(control))
                            .arg(shown.left(40)),
                        InkContrast(with, without)};
}

bool IsInside(const QWidget* control, const QWidget* window, const std::function<bool(const QWidget*)>& covered)
{
    for (const QWidget* part = control; part && part != window; part = part->parentWidget()) {
        if (covered(part))
            return true;
    }
    return false;
}

} // namespace

std::vector<TextContrast> MeasureTextContrast(QWidget* window, const std::function<bool(const QWidget*)>& covered)
{
    std::vector<TextContrast> measured;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window) || control->size().isEmpty() || (covered && IsInside(control, window, covered)))
            continue;
        if (const std::optional<TextContrast> contrast = Measure(window, control))
            measured.push_back(*contrast);
    }
    return measured;
}
