// The key table: one entry per remembered value, no key stored twice, and
// the names a user's stored choices are kept under.
#include "settings/keys.h"

#include <gtest/gtest.h>

#include <set>

using settings::Key;

TEST(SettingsKeys, NoNameIsUsedTwiceAndEveryEntrySaysWhatItHolds) {
  std::set<std::string_view> names;
  for (const settings::KeyInfo &entry : settings::kKeys) {
    EXPECT_TRUE(names.insert(entry.name).second) << entry.name << " is listed twice";
    EXPECT_FALSE(entry.holds.empty()) << entry.name;
    EXPECT_FALSE(entry.absent.empty()) << entry.name;
  }
  EXPECT_EQ(names.size(), settings::kKeys.size());
}

// A stored choice survives only under the name it was written under.
TEST(SettingsKeys, KeepTheNamesEarlierRunsStoredTheirChoicesUnder) {
  EXPECT_EQ(settings::info(Key::TemperatureUnit).name, "units/temperature");
  EXPECT_EQ(settings::info(Key::PressureUnit).name, "units/pressure");
  EXPECT_EQ(settings::info(Key::StepsPerTick).name, "simulation/stepsPerTick");
  EXPECT_EQ(settings::info(Key::FollowAmbient).name, "thermostat/followAmbient");
  EXPECT_EQ(settings::info(Key::LabGeometry).name, "lab/geometry");
  EXPECT_EQ(settings::info(Key::RecentFiles).name, "files/recent");
  EXPECT_EQ(settings::kOrganisation, "Corvanta");
  EXPECT_EQ(settings::kApplication, "Corvanta");
}
