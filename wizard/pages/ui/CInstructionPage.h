// An instruction page: step number, title and a full-page picture showing
// how to cable the router, chosen by language when the page is built.
#pragma once

#include "CWizardPage.h"

class CInstructionPage : public CWizardPage {
    Q_OBJECT
public:
    // The picture as the program names it, for the current language file.
    static QString PicturePath(int page, const QString& languageFile);

protected:
    CInstructionPage(int page, int templateId, QWidget* parent, WizardHost& host);

    void OnInitDialog() override;
    QString PictureText() const override;

private:
    int page_;
};
