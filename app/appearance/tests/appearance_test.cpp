// The high-contrast colours read against their background at WCAG's 4.5:1
// for text, the contrast ratio itself matches WCAG's known values, and the
// appearance remembers its choices and says when they change.
#include "appearance/appearance.h"

#include "settings/settings.h"

#include <QSettings>
#include <QSignalSpy>
#include <gtest/gtest.h>

using appearance::contrastRatio;

namespace {
constexpr double kTextContrast = 4.5;
// WCAG's least contrast for the edges of controls and other graphics.
constexpr double kGraphicsContrast = 3.0;
} // namespace

TEST(ContrastRatio, MatchesWcagForKnownPairs) {
  EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
  EXPECT_NEAR(contrastRatio(Qt::white, Qt::black), 21.0, 1e-9);
  EXPECT_NEAR(contrastRatio(QColor(119, 119, 119), Qt::white), 4.48, 0.01);
  EXPECT_NEAR(contrastRatio(Qt::red, Qt::red), 1.0, 1e-9);
}

TEST(HighContrast, EveryTextAndSeriesColourReadsAgainstTheBackground) {
  using namespace appearance::high_contrast;
  EXPECT_GE(contrastRatio(kText, kBackground), kTextContrast);
  for (const QColor &series : kSeries)
    EXPECT_GE(contrastRatio(series, kBackground), kTextContrast) << series.name().toStdString();
  const QPalette palette = appearance::highContrastPalette();
  for (const auto &[text, ground] :
       {std::pair{QPalette::WindowText, QPalette::Window}, {QPalette::Text, QPalette::Base},
        {QPalette::ButtonText, QPalette::Button}, {QPalette::HighlightedText, QPalette::Highlight},
        {QPalette::ToolTipText, QPalette::ToolTipBase}})
    EXPECT_GE(contrastRatio(palette.color(text), palette.color(ground)), kTextContrast);
  // Check boxes, fields and buttons stand out from the window around them.
  for (const auto role : {QPalette::Base, QPalette::Button})
    EXPECT_GE(contrastRatio(palette.color(role), palette.color(QPalette::Window)),
              kGraphicsContrast);
  EXPECT_GE(contrastRatio(palette.color(QPalette::Disabled, QPalette::Text),
                          palette.color(QPalette::Disabled, QPalette::Base)),
            kTextContrast);
}

TEST(Appearance, RemembersItsChoicesAndSignalsOnlyChanges) {
  auto &look = appearance::Appearance::instance();
  QSignalSpy changes(&look, &appearance::Appearance::changed);
  look.setHighContrast(!look.highContrast());
  look.setHighContrast(look.highContrast());
  EXPECT_EQ(changes.count(), 1);
  EXPECT_EQ(settings::highContrast(), look.highContrast());

  look.setSpeedColours(appearance::SpeedColours::BlueToYellow);
  EXPECT_TRUE(settings::blueToYellowSpeeds());
  look.setSpeedColours(appearance::SpeedColours::BlueToRed);
  EXPECT_FALSE(settings::blueToYellowSpeeds());
  look.setHighContrast(false);
  EXPECT_FALSE(settings::highContrast());
}
