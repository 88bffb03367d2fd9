// The language page, shown before all others when several languages are
// offered: each button names a language file; pressing one builds the
// wizard in that language.
#pragma once

#include "CWizardPage.h"

class QAbstractButton;

class CSelectlanguage : public CWizardPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 216;
    static constexpr int kFirstLanguageButton = 1146;
    static constexpr int kSecondLanguageButton = 1147;

    CSelectlanguage(QWidget* parent, WizardHost& host);

    void ChooseLanguage(const QAbstractButton& button);

protected:
    void OnInitDialog() override;
};
