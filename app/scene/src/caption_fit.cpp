#include "caption_fit.h"

#include <QFontMetricsF>
#include <QLabel>

namespace scene {

namespace {

constexpr double kSizeStep = 0.25;    // points
constexpr double kSmallestSize = 5.0; // points; smaller is no longer legible
const char *const kDesignedSize = "designedPointSize";

// The box the text is laid out in: the contents without margin and indent.
double roomFor(const QLabel *label) {
  const double indent = label->indent() > 0 ? label->indent() : 0.0;
  return label->contentsRect().width() - 2.0 * label->margin() - indent;
}

bool fitsIn(const QLabel *label, const QFont &font) {
  return QFontMetricsF(font).horizontalAdvance(label->text()) <= roomFor(label);
}

} // namespace

void fitCaption(QLabel *label) {
  QVariant designed = label->property(kDesignedSize);
  if (!designed.isValid()) {
    designed = label->font().pointSizeF();
    label->setProperty(kDesignedSize, designed);
  }
  QFont font = label->font();
  double size = designed.toDouble();
  font.setPointSizeF(size);
  while (!fitsIn(label, font) && size - kSizeStep >= kSmallestSize) {
    size -= kSizeStep;
    font.setPointSizeF(size);
  }
  if (font != label->font())
    label->setFont(font);
}

bool captionFits(const QLabel *label) { return fitsIn(label, label->font()); }

} // namespace scene
