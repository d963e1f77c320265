#include "appearance/appearance.h"

#include "settings/settings.h"

#include <algorithm>
#include <cmath>

namespace appearance {

Appearance &Appearance::instance() {
  static Appearance appearance;
  return appearance;
}

Appearance::Appearance()
    : highContrast_(settings::highContrast()),
      speedColours_(settings::blueToYellowSpeeds() ? SpeedColours::BlueToYellow
                                                   : SpeedColours::BlueToRed) {}

void Appearance::setHighContrast(bool on) {
  if (on == highContrast_)
    return;
  highContrast_ = on;
  settings::setHighContrast(on);
  emit changed();
}

void Appearance::setSpeedColours(SpeedColours colours) {
  if (colours == speedColours_)
    return;
  speedColours_ = colours;
  settings::setBlueToYellowSpeeds(colours == SpeedColours::BlueToYellow);
  emit changed();
}

QPalette highContrastPalette() {
  QPalette palette(high_contrast::kText, high_contrast::kBackground);
  for (const auto role : {QPalette::Window, QPalette::ToolTipBase})
    palette.setColor(role, high_contrast::kBackground);
  for (const auto role : {QPalette::Base, QPalette::Button, QPalette::AlternateBase}) {
    palette.setColor(role, high_contrast::kSurface);
    // A control that cannot be used sinks into the window, its grey text
    // still readable on black.
    palette.setColor(QPalette::Disabled, role, high_contrast::kBackground);
  }
  for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText,
                          QPalette::ToolTipText, QPalette::BrightText, QPalette::PlaceholderText})
    palette.setColor(role, high_contrast::kText);
  palette.setColor(QPalette::Highlight, high_contrast::kSeries[0]);
  palette.setColor(QPalette::HighlightedText, high_contrast::kBackground);
  palette.setColor(QPalette::Link, high_contrast::kSeries[1]);
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(170, 170, 170));
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(170, 170, 170));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(170, 170, 170));
  return palette;
}

namespace {

// Relative luminance of an sRGB colour, each channel linearised.
double luminance(const QColor &colour) {
  const auto linear = [](double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
         0.0722 * linear(colour.blueF());
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b) {
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace appearance
