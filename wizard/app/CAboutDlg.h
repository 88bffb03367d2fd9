// The about box of the frame's context menu: the program icon, its name and OK.
#pragma once

#include <QDialog>

class CLanguageTable;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    CAboutDlg(const CLanguageTable& language, const QIcon& icon, QWidget* parent = nullptr);
};
