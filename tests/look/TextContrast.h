// How readable each text of a window is: every visible label, button, field
// and combo box is drawn once with its text and once without, and the pixels
// the text changed are its ink; the strongest ink pixel against what lies
// under it gives the control's contrast ratio (WCAG's relative-luminance
// formula, 1 to 21).
#pragma once

#include <QString>

#include <functional>
#include <vector>

class QWidget;

struct TextContrast {
    QString control; // "<class> <id> "<text>""
    double ratio = 1.0;
};

// Empty fields are measured with a sample text in them; marks without a
// letter or digit (the dots between address octets) are not texts to read.
// Controls inside a widget that `covered` names are left out.
std::vector<TextContrast> MeasureTextContrast(QWidget* window,
                                              const std::function<bool(const QWidget*)>& covered = {});
