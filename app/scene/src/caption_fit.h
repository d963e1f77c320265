// Captions that always show whole: a label whose text is wider than its
// designed box gets a smaller font, never a bigger box. The fonts that
// stand in for the window's original ones run wider.
#pragma once

class QLabel;

namespace scene {

// Sets the label's font to the largest size, from its designed size down in
// quarter points, at which its text fits its box. Call after every change
// of text; the designed size is kept from the first call.
void fitCaption(QLabel *label);

// Whether the label's text fits the width of its box in the label's own font.
bool captionFits(const QLabel *label);

} // namespace scene
