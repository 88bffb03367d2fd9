// Text label, transparent over the skin picture unless told otherwise.
#pragma once

#include "CWndCommonAttr.h"

#include <QLabel>

class CSkStatic : public QLabel, public CWndCommonAttr {
    Q_OBJECT
public:
    explicit CSkStatic(QWidget* parent = nullptr);

    void Redraw(bool erase) override;

private:
    void ApplyColors();
};
