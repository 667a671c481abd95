#pragma once

class QLabel;

namespace korv {

// Whether the label shows its whole text: on one line, or for a word-wrapping label within its
// height.
bool labelTextFits(const QLabel* label);

// Sets the label's font to `basePixelSize` and steps it down (to 8 pixels at the least) until the
// text is no longer cut. The window's sizes were drawn for a narrow font that other systems lack.
void fitLabelFont(QLabel* label, int basePixelSize);

}  // namespace korv
