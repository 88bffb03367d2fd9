// The program's house styles: fonts, colours and pictures every page gives
// its skinned controls. Each does nothing for a null control.
#pragma once

#include "ColorRef.h"

#include <QString>

class CSkBtn_ChkRadio;
class CSkBtn_Pub;
class CSkEdit;
class CWndCommonAttr;
class QWidget;

void ApplyTitleStyle(CWndCommonAttr* label);
void ApplyNoteStyle(CWndCommonAttr* label);
void ApplyLabelStyle(CWndCommonAttr* label);
// Focus colours from "EditFontColor" (background) and "EditBkColor" (text).
void ApplyEditStyle(CSkEdit* edit);
// Sizes in points at 96 DPI.
void ApplyLabelPairStyle(CWndCommonAttr* label, CWndCommonAttr* value, int labelSize, bool labelBold, int valueSize,
                         bool valueBold);
// An empty picture takes "CommonButton.bmp", or "CommonButton_Little.bmp" when small.
void ApplyButtonStyle(CSkBtn_Pub* button, bool small, const QString& picture = QString());
// The picture strip ApplyButtonStyle gives when it is given none.
QString CommonButtonStrip(bool small);
void ApplyPictureButtonStyle(CSkBtn_Pub* button, ColorRef color, unsigned formatFlags);
void ApplyCheckBoxStyle(CSkBtn_ChkRadio* box, const QString& text);

// Reads the screen's logical DPI from the widget into ScreenDpi.
void MeasureScreenDpi(const QWidget* widget);
