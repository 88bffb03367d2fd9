// The connect-failed window: its picture tells the user the router could
// not be reached; Retry closes it.
#pragma once

#include "CPolygonDialog.h"

class CLanguageTable;

class CLookInfo : public CPolygonDialog {
    Q_OBJECT
public:
    explicit CLookInfo(const CLanguageTable& language, QWidget* parent = nullptr);

protected:
    void OnInitDialog() override;

private:
    const CLanguageTable& language_;
};
