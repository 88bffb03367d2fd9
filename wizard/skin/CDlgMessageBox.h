// The skinned message box: type 1 warning with OK, 2 question with Yes and
// No, 3 notice with OK. Ends with 1 (OK), 6 (Yes), 7 (No) or 2 (Escape).
#pragma once

#include "CPolygonDialog.h"

#include <QString>

#include <vector>

class CLanguageTable;

class CDlgMessageBox : public CPolygonDialog {
    Q_OBJECT
public:
    enum Answer { kOk = 1, kCancel = 2, kYes = 6, kNo = 7 };
    // The caption and message lines; the app's box watchers read them too.
    static constexpr int kCaptionId = 1211;
    static constexpr int kMessageId = 1212;

    explicit CDlgMessageBox(const CLanguageTable& language, QWidget* parent = nullptr);

    void SetType(int type) { type_ = type; }
    void SetCaption(const QString& caption) { caption_ = caption; }
    void SetMessage(const QString& message) { message_ = message; }

    // The table the texts "Yes", "No" and "OK" come from; the program sets
    // it once. Without one, the default language file is used.
    static void SetLanguageTable(const CLanguageTable* language);
    static const CLanguageTable& LanguageTable();

    // Test seam: the next call of ShowMessageBox answers at once without a
    // window. Answers queue up in the order given.
    static void SetNextAnswer(int answer);
    struct Call {
        int type;
        QString caption;
        QString message;
    };
    // Every ShowMessageBox call since the last take, oldest first.
    static std::vector<Call> TakeRecordedCalls();

    void reject() override;

protected:
    void OnInitDialog() override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void StyleControls();
    QString WindowTitle() const;
    void ShowButtonsForType();

    const CLanguageTable& language_;
    int type_ = 3;
    QString caption_;
    QString message_;
};

int ShowMessageBox(int type, const QString& caption, const QString& message);
