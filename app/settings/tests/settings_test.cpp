// Each remembered value reads back as written, through a fresh QSettings as
// the next run would read it; nothing stored, or text the program does not
// know, reads as the default of the key table.
#include "settings/keys.h"
#include "settings/settings.h"

#include <QSettings>
#include <gtest/gtest.h>

using analysis::PressureUnit;
using analysis::TemperatureUnit;
using settings::Key;

namespace {

QString keyText(Key key) {
  const std::string_view name = settings::info(key).name;
  return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

QSettings userSettings() {
  return QSettings(QStringLiteral("Corvanta"), QStringLiteral("Corvanta"));
}

class Settings : public testing::Test {
protected:
  void SetUp() override { userSettings().clear(); }
  void TearDown() override { userSettings().clear(); }
  static void storeText(Key key, const QString &text) {
    userSettings().setValue(keyText(key), text);
  }
};

} // namespace

TEST_F(Settings, NothingStoredReadsAsTheDefaults) {
  EXPECT_EQ(settings::temperatureUnit(), TemperatureUnit::Fahrenheit);
  EXPECT_EQ(settings::pressureUnit(), PressureUnit::Kilopascal);
  EXPECT_EQ(settings::stepsPerTick(), 0);
  EXPECT_FALSE(settings::followAmbient());
  EXPECT_TRUE(settings::labGeometry().isEmpty());
  EXPECT_TRUE(settings::recentFiles().isEmpty());
}

TEST_F(Settings, EachValueWrittenReadsBack) {
  for (const TemperatureUnit unit :
       {TemperatureUnit::Celsius, TemperatureUnit::Kelvin, TemperatureUnit::Fahrenheit}) {
    settings::setTemperatureUnit(unit);
    EXPECT_EQ(settings::temperatureUnit(), unit);
  }
  for (const PressureUnit unit : {PressureUnit::Atmosphere, PressureUnit::Kilopascal}) {
    settings::setPressureUnit(unit);
    EXPECT_EQ(settings::pressureUnit(), unit);
  }
  settings::setStepsPerTick(20);
  EXPECT_EQ(settings::stepsPerTick(), 20);
  settings::setFollowAmbient(true);
  EXPECT_TRUE(settings::followAmbient());
  settings::setFollowAmbient(false);
  EXPECT_FALSE(settings::followAmbient());
  const QByteArray geometry("\x01\xd9\xd0\xcb\x00\x03", 6);
  settings::setLabGeometry(geometry);
  EXPECT_EQ(settings::labGeometry(), geometry);
  const QStringList files{QStringLiteral("/tmp/b & c.ams"), QStringLiteral("/tmp/a.ams")};
  settings::setRecentFiles(files);
  EXPECT_EQ(settings::recentFiles(), files);
}

// The stored text is what earlier runs wrote: a user's choices survive.
TEST_F(Settings, ValuesAreStoredAsTheTextEarlierRunsWrote) {
  settings::setTemperatureUnit(TemperatureUnit::Celsius);
  settings::setPressureUnit(PressureUnit::Atmosphere);
  settings::setFollowAmbient(true);
  QSettings stored = userSettings();
  EXPECT_EQ(stored.value(keyText(Key::TemperatureUnit)).toString(), QStringLiteral("C"));
  EXPECT_EQ(stored.value(keyText(Key::PressureUnit)).toString(), QStringLiteral("atm"));
  EXPECT_EQ(stored.value(keyText(Key::FollowAmbient)).toString(), QStringLiteral("true"));

  storeText(Key::TemperatureUnit, QStringLiteral("K"));
  storeText(Key::StepsPerTick, QStringLiteral("50"));
  EXPECT_EQ(settings::temperatureUnit(), TemperatureUnit::Kelvin);
  EXPECT_EQ(settings::stepsPerTick(), 50);
}

TEST_F(Settings, UnknownStoredTextReadsAsTheDefault) {
  settings::setTemperatureUnit(TemperatureUnit::Kelvin);
  settings::setPressureUnit(PressureUnit::Atmosphere);
  settings::setStepsPerTick(20);
  settings::setFollowAmbient(true);
  storeText(Key::TemperatureUnit, QStringLiteral("Rankine"));
  storeText(Key::PressureUnit, QStringLiteral("bar"));
  storeText(Key::StepsPerTick, QStringLiteral("fast"));
  storeText(Key::FollowAmbient, QStringLiteral("maybe"));
  EXPECT_EQ(settings::temperatureUnit(), TemperatureUnit::Fahrenheit);
  EXPECT_EQ(settings::pressureUnit(), PressureUnit::Kilopascal);
  EXPECT_EQ(settings::stepsPerTick(), 0);
  EXPECT_FALSE(settings::followAmbient());
}
