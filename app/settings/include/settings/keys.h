// Every value the program remembers between runs, in one table: its QSettings
// key, what it holds and what the program does when nothing readable is
// stored. The values are the user's settings of organisation and application
// "Corvanta" (on Linux ~/.config/Corvanta/Corvanta.conf).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace settings {

inline constexpr std::string_view kOrganisation = "Corvanta";
inline constexpr std::string_view kApplication = "Corvanta";

enum class Key {
  TemperatureUnit,
  PressureUnit,
  StepsPerTick,
  FollowAmbient,
  LabGeometry,
  RecentFiles,
  Language,
  HighContrast,
  SpeedColours
};

struct KeyInfo {
  Key key;
  std::string_view name;   // the QSettings key
  std::string_view holds;  // what the value means
  std::string_view absent; // what the program does without a readable value
};

inline constexpr std::array kKeys{
    KeyInfo{Key::TemperatureUnit, "units/temperature",
            "the temperature unit of the status bar and the Lab: F, C or K",
            "F in the US and its few Fahrenheit peers and under the C locale; C elsewhere"},
    KeyInfo{Key::PressureUnit, "units/pressure", "the Lab's pressure unit: kPa or atm", "kPa"},
    KeyInfo{Key::StepsPerTick, "simulation/stepsPerTick",
            "Simulation > Speed: engine steps per tick, 1 to 50", "5 steps a tick"},
    KeyInfo{Key::FollowAmbient, "thermostat/followAmbient",
            "Options > Follow the Ambient Temperature: true or false", "false"},
    KeyInfo{Key::LabGeometry, "lab/geometry", "where the Lab stood and its size",
            "960 x 600 beside the main window"},
    KeyInfo{Key::RecentFiles, "files/recent",
            "File > Recent: the scenario files opened last, full paths, the most recent first",
            "an empty list"},
    KeyInfo{Key::Language, "ui/language",
            "Options > Language: en, de, fr, es or pt; empty follows the system's language",
            "the system's language"},
    KeyInfo{Key::HighContrast, "view/highContrast",
            "View > High Contrast for the Lab, its graphs and the large view: true or false",
            "false"},
    KeyInfo{Key::SpeedColours, "view/speedColours",
            "View > Speed Colours of the large view: blue-red or blue-yellow", "blue-red"},
};

// The table's entry for this key.
constexpr const KeyInfo &info(Key key) { return kKeys[static_cast<std::size_t>(key)]; }

namespace detail {
constexpr bool tableInKeyOrder() {
  for (std::size_t i = 0; i < kKeys.size(); ++i)
    if (static_cast<std::size_t>(kKeys[i].key) != i)
      return false;
  return true;
}
} // namespace detail
static_assert(detail::tableInKeyOrder(), "info() finds each key at its own index");

} // namespace settings
