// Builds a dialog's controls from its template and finds them again by id.
#pragma once

#include <QWidget>

class QFont;
struct DialogTemplate;

// Creates every control of the template as a child of `dialog` with the
// skinned control classes, sizes the dialog and gives it the template font.
// False for an unknown template id.
bool BuildDialogFromTemplate(QWidget* dialog, int templateId);

// Gives every field the text of the hint beside it as its accessible
// description; the dialog calls it again whenever its texts change.
void DescribeFieldsByHints(QWidget* dialog);
// True for a label that is a field's hint rather than text of its own.
bool IsFieldHint(const QWidget* label);

// The template font at 96 DPI: point size × 96 ÷ 72, rounded.
QFont TemplateFont(const DialogTemplate& dialogTemplate, double dpi);
// The template's font at `dpi` and its fixed size, on the dialog itself.
void ApplyTemplateFrame(QWidget* dialog, const DialogTemplate& dialogTemplate, double dpi);

// The direct child control with the given id, or null.
QWidget* FindControl(const QWidget* dialog, int id);

template <class T>
T* FindControlAs(const QWidget* dialog, int id)
{
    return qobject_cast<T*>(FindControl(dialog, id));
}
