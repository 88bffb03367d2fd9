// Lays a dialog out again from its template at the 96-DPI font and base
// units, so that the skin pictures still fit on a screen of another DPI.
#pragma once

#include <QFont>
#include <QPointer>
#include <QWidget>

#include <vector>

class DialogRelayout {
public:
    void Apply(QWidget* dialog, int templateId, double dpi);
    void Restore();
    bool IsActive() const { return !dialog_.isNull(); }

private:
    QPointer<QWidget> dialog_;
    std::vector<std::pair<QPointer<QWidget>, QFont>> previousFonts_;
};
