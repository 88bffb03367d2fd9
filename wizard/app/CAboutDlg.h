// The about box of the frame's context menu, in the message box's skin: the
// program icon, its name, its version and OK.
#pragma once

#include "CPolygonDialog.h"

#include <QIcon>

class CLanguageTable;

class CAboutDlg : public CPolygonDialog {
    Q_OBJECT
public:
    static constexpr int kVersionId = 1302;

    CAboutDlg(const CLanguageTable& language, const QIcon& icon, QWidget* parent = nullptr);

    // "Version 1.0.0" in the current language; empty when the program
    // carries no version.
    static QString VersionText(const CLanguageTable& language);

protected:
    void OnInitDialog() override;

private:
    const CLanguageTable& language_;
    QIcon icon_;
};
