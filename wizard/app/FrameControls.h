// The frame's own controls by id, and what the frame does to them as a group.
#pragma once

#include "FrameButtons.h"

class CLanguageTable;
class QWidget;

namespace FrameControl {
inline constexpr int Template = 102;
inline constexpr int WebLink = 1147;
inline constexpr int PageArea = 1104;
inline constexpr int Back = 1082;
inline constexpr int Next = 1018;
inline constexpr int Exit = 1083;
inline constexpr int Manual = 1151;
inline constexpr int ModelLabel = 1213;
inline constexpr int ProductLabel = 1214;
inline constexpr int VersionLabel = 1215;
} // namespace FrameControl

// Puts the template captions (the language keys) back, so the frame can be
// translated again after the language has changed.
void ResetFrameCaptions(QWidget* frame);

// The version label's "%s" becomes the program's version, so the frame shows
// the one version the build gives.
void ShowProgramVersion(QWidget* frame);

// Hides the web link, model and version label whose text is empty.
void HideEmptyFrameLabels(QWidget* frame, const CLanguageTable& language);

void ShowFrameButtons(QWidget* frame, const FrameButtons& buttons, const CLanguageTable& language);

// Off 96 DPI the bottom row is drawn narrower than the template lays it out.
void NarrowBottomRow(QWidget* frame);
