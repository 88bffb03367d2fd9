// Picture check box or radio button. States: 0 unchecked, 1 unchecked under
// the mouse, 2 checked, 3 checked under the mouse, 4 and 5 disabled.
#pragma once

#include "CSkBtn_Pic.h"

class CSkBtn_ChkRadio : public CSkBtn_Pic {
    Q_OBJECT
public:
    enum class Kind { CheckBox, Radio };
    explicit CSkBtn_ChkRadio(Kind kind, QWidget* parent = nullptr);

    Kind ButtonKind() const { return kind_; }
    // Checking a radio unchecks the other radios of its group.
    void SetCheck(bool checked);
    bool GetCheck() const { return isChecked(); }
    // A radio of the same group was checked.
    void UncheckFromGroup();
    // Loaded as a six-frame strip on first paint when no strip is loaded.
    void SetPictureFile(const QString& file);

    int GetStateIndex() const override;

signals:
    // The user (or the group) changed the check; carries the control id.
    void CheckNotify(int controlId);

protected:
    void ApplyDefaultLook() override;
    void DrawFrame(QPainter& painter) override;
    void DrawStandardLook() override;
    void nextCheckState() override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<CSkBtn_ChkRadio*> OtherRadiosOfGroup() const;

    Kind kind_;
    QString pictureFile_;
};
