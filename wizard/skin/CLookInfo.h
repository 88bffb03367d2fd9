// The connect-failed window: its picture and texts tell the user that the
// router could not be reached, why, and what to do next; Retry closes it.
#pragma once

#include "CPolygonDialog.h"

class CLanguageTable;

class CLookInfo : public CPolygonDialog {
    Q_OBJECT
public:
    explicit CLookInfo(const CLanguageTable& language, QWidget* parent = nullptr);

    // Language key of the cause and its next step; empty shows none.
    void SetCauseKey(const QString& key);

protected:
    void OnInitDialog() override;

private:
    void ShowCause();

    const CLanguageTable& language_;
    QString causeKey_;
};
