// Each remembered value reads back as written, through a fresh QSettings as
// the next run would read it; nothing stored, or text the program does not
// know, reads as the default of the key table.
#include "settings/keys.h"
#include "settings/settings.h"

#include <QLocale>
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

// The tests run under whatever locale the machine has; the start unit
// follows the default locale, so each test sets it and puts it back.
class Settings : public testing::Test {
protected:
  void SetUp() override {
    userSettings().clear();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  }
  void TearDown() override {
    userSettings().clear();
    QLocale::setDefault(machineLocale);
  }
  static void storeText(Key key, const QString &text) {
    userSettings().setValue(keyText(key), text);
  }

private:
  const QLocale machineLocale;
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

// Nothing stored: the unit follows the default locale's country.
TEST_F(Settings, WithNothingStoredTheUnitFollowsTheLocale) {
  const struct {
    const char *locale;
    TemperatureUnit unit;
  } cases[] = {{"en_US", TemperatureUnit::Fahrenheit}, {"C", TemperatureUnit::Fahrenheit},
               {"es_US", TemperatureUnit::Fahrenheit}, {"en_LR", TemperatureUnit::Fahrenheit},
               {"en_PR", TemperatureUnit::Fahrenheit}, {"de_DE", TemperatureUnit::Celsius},
               {"en_GB", TemperatureUnit::Celsius},    {"fr_FR", TemperatureUnit::Celsius},
               {"pt_BR", TemperatureUnit::Celsius},    {"en_CA", TemperatureUnit::Celsius}};
  for (const auto &[name, unit] : cases) {
    QLocale::setDefault(QLocale(QString::fromLatin1(name)));
    EXPECT_EQ(settings::temperatureUnit(), unit) << name;
  }
}

TEST_F(Settings, AStoredUnitWinsOverTheLocale) {
  settings::setTemperatureUnit(TemperatureUnit::Fahrenheit);
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(settings::temperatureUnit(), TemperatureUnit::Fahrenheit);
  settings::setTemperatureUnit(TemperatureUnit::Kelvin);
  EXPECT_EQ(settings::temperatureUnit(), TemperatureUnit::Kelvin);
  settings::setTemperatureUnit(TemperatureUnit::Celsius);
  QLocale::setDefault(QLocale::c());
  EXPECT_EQ(settings::temperatureUnit(), TemperatureUnit::Celsius);
}

// Text the program does not know reads as nothing stored: the locale decides.
TEST_F(Settings, UnknownStoredUnitFollowsTheLocale) {
  storeText(Key::TemperatureUnit, QStringLiteral("Rankine"));
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  EXPECT_EQ(settings::temperatureUnit(), TemperatureUnit::Celsius);
  QLocale::setDefault(QLocale::c());
  EXPECT_EQ(settings::temperatureUnit(), TemperatureUnit::Fahrenheit);
}

// The rule itself, for a locale handed in rather than the default one. Each
// name must be one Qt knows, or Qt would hand back a fallback locale and the
// case would test that fallback instead.
TEST(StartTemperatureUnit, FahrenheitOnlyWhereItIsTheCustom) {
  const auto startUnit = [](const char *name) {
    const QLocale locale(QString::fromLatin1(name));
    EXPECT_EQ(locale.name(), QString::fromLatin1(name)) << "Qt has no locale " << name;
    return settings::startTemperatureUnit(locale);
  };
  for (const char *name : {"en_US", "es_US", "my_MM", "en_BS", "en_BZ", "en_KY", "en_PW", "en_MH",
                           "en_FM", "en_LR", "es_PR", "en_GU", "en_VI", "en_AS", "en_MP", "en_UM"})
    EXPECT_EQ(startUnit(name), TemperatureUnit::Fahrenheit) << name;
  for (const char *name : {"en_GB", "en_CA", "es_MX", "en_AU", "en_IN", "ja_JP", "de_CH", "pt_PT"})
    EXPECT_EQ(startUnit(name), TemperatureUnit::Celsius) << name;
  EXPECT_EQ(settings::startTemperatureUnit(QLocale::c()), TemperatureUnit::Fahrenheit);
}

// The language and the look: the choices read back, the stored text is what
// earlier runs wrote, and a hand-edited value the program does not know
// reads as the default.
TEST_F(Settings, TheLanguageAndTheLookAreRememberedAndUnknownTextIsIgnored) {
  EXPECT_TRUE(settings::language().isEmpty()) << "the system's language";
  EXPECT_FALSE(settings::highContrast());
  EXPECT_FALSE(settings::blueToYellowSpeeds());
  settings::setLanguage(QStringLiteral("pt"));
  settings::setHighContrast(true);
  settings::setBlueToYellowSpeeds(true);
  EXPECT_EQ(settings::language(), QStringLiteral("pt"));
  EXPECT_TRUE(settings::highContrast());
  EXPECT_TRUE(settings::blueToYellowSpeeds());
  EXPECT_EQ(userSettings().value(keyText(Key::SpeedColours)).toString(),
            QStringLiteral("blue-yellow"));

  storeText(Key::HighContrast, QStringLiteral("maybe"));
  storeText(Key::SpeedColours, QStringLiteral("rainbow"));
  EXPECT_FALSE(settings::highContrast());
  EXPECT_FALSE(settings::blueToYellowSpeeds());
}
