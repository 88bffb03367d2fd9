// Lays a dialog out again from its template at the 96-DPI font and base
// units, so that the skin pictures still fit on a screen of another DPI.
#pragma once

#include <QFont>
#include <QPointer>
#include <QWidget>

#include <vector>

class DialogRelayout {
public:
    // The DPI the templates are drawn for.
    static constexpr int kTemplateDpi = 96;

    void Apply(QWidget* dialog, int templateId, double dpi);
    // Applies the 96-DPI layout when the screen is of another DPI.
    void ApplyForScreen(QWidget* dialog, int templateId);
    void Restore();
    bool IsActive() const { return !dialog_.isNull(); }

private:
    QPointer<QWidget> dialog_;
    std::vector<std::pair<QPointer<QWidget>, QFont>> previousFonts_;
};
