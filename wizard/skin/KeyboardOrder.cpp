#include "KeyboardOrder.h"

#include <QLineEdit>
#include <QWidget>

#include <algorithm>

namespace {

bool TakesTabFocus(const QWidget* widget)
{
    return (widget->focusPolicy() & Qt::TabFocus) != 0;
}

// A composite field (the address entry) or a page inside a frame is reached
// through its own controls, in their reading order.
void AppendFocusable(QWidget* control, QList<QWidget*>& out)
{
    if (TakesTabFocus(control))
        out.append(control);
    else
        out.append(ReadingOrder(control));
}

bool IsReadOnlyEdit(const QWidget* control)
{
    const auto* edit = qobject_cast<const QLineEdit*>(control);
    return edit && edit->isReadOnly();
}

// Controls whose vertical middles fall inside one another's extent share a
// row, so a label and a slightly taller field beside it read left to right.
bool SameRow(const QRect& a, const QRect& b)
{
    return (a.center().y() >= b.top() && a.center().y() <= b.bottom())
        || (b.center().y() >= a.top() && b.center().y() <= a.bottom());
}

// Rows are gathered top to bottom; a control joins the current row when it
// shares a row with the row's first control.
QList<QList<QWidget*>> Rows(QList<QWidget*> controls)
{
    std::stable_sort(controls.begin(), controls.end(),
        [](const QWidget* a, const QWidget* b) { return a->geometry().top() < b->geometry().top(); });
    QList<QList<QWidget*>> rows;
    for (QWidget* control : controls) {
        if (rows.isEmpty() || !SameRow(rows.last().first()->geometry(), control->geometry()))
            rows.append(QList<QWidget*>());
        rows.last().append(control);
    }
    return rows;
}

} // namespace

QList<QWidget*> ReadingOrder(const QWidget* dialog)
{
    QList<QWidget*> order;
    for (QList<QWidget*>& row : Rows(dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))) {
        std::stable_sort(row.begin(), row.end(),
            [](const QWidget* a, const QWidget* b) { return a->geometry().left() < b->geometry().left(); });
        for (QWidget* control : row)
            AppendFocusable(control, order);
    }
    return order;
}

void SetReadingTabOrder(const QWidget* dialog)
{
    const QList<QWidget*> order = ReadingOrder(dialog);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

QWidget* FirstEntryControl(const QWidget* dialog)
{
    for (QWidget* control : ReadingOrder(dialog)) {
        if (control->isVisibleTo(dialog) && control->isEnabled() && !IsReadOnlyEdit(control))
            return control;
    }
    return nullptr;
}
