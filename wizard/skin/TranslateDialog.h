// Replaces the template captions (language keys) of a dialog's controls by
// their language texts.
#pragma once

#include <QString>

class CLanguageTable;
class QWidget;

// Walks the direct child controls in window order; a control keeps its
// caption when the table has no text for it.
void TranslateDialog(QWidget* dialog, const CLanguageTable& language);

// The text a control shows as its caption (label, button or edit text).
QString ControlCaption(const QWidget* control);
void SetControlCaption(QWidget* control, const QString& text);
