// The welcome page: a greeting and an introductory text over its picture.
#pragma once

#include "CWizardPage.h"

class CWelcomeDlg : public CWizardPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 205;
    // "%s" stands for the program folder.
    static constexpr const char* kSkinPath = "%sSkin\\Background1.bmp";

    CWelcomeDlg(QWidget* parent, WizardHost& host);

protected:
    void OnInitDialog() override;
    QString PictureText() const override;
    // The welcome page ignores mouse moves entirely.
    void mouseMoveEvent(QMouseEvent* event) override;
};
