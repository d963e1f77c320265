// Puts the program's appearance back as it was when a test ends, so that
// a test that switches high contrast or the speed ramp leaves no trace.
#pragma once

#include "appearance/appearance.h"

class AppearanceGuard {
public:
  AppearanceGuard()
      : highContrast_(appearance::Appearance::instance().highContrast()),
        speedColours_(appearance::Appearance::instance().speedColours()) {}
  ~AppearanceGuard() {
    appearance::Appearance::instance().setHighContrast(highContrast_);
    appearance::Appearance::instance().setSpeedColours(speedColours_);
  }
  AppearanceGuard(const AppearanceGuard &) = delete;
  AppearanceGuard &operator=(const AppearanceGuard &) = delete;

private:
  bool highContrast_;
  appearance::SpeedColours speedColours_;
};
