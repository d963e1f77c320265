#include "settings/settings.h"

#include "settings/keys.h"

#include <QLocale>
#include <QSettings>

#include <string>

namespace settings {

namespace {

constexpr analysis::TemperatureUnit kTemperatureUnits[] = {analysis::TemperatureUnit::Fahrenheit,
                                                           analysis::TemperatureUnit::Celsius,
                                                           analysis::TemperatureUnit::Kelvin};

QString text(std::string_view latin1) {
  return QString::fromLatin1(latin1.data(), qsizetype(latin1.size()));
}

QSettings store() { return QSettings(text(kOrganisation), text(kApplication)); }

QVariant value(Key key) { return store().value(text(info(key).name)); }

void setValue(Key key, const QVariant &value) { store().setValue(text(info(key).name), value); }

} // namespace

analysis::TemperatureUnit temperatureUnit() {
  const std::string letter = value(Key::TemperatureUnit).toString().toStdString();
  for (const analysis::TemperatureUnit unit : kTemperatureUnits)
    if (analysis::unitLetter(unit) == letter)
      return unit;
  return startTemperatureUnit(QLocale());
}

void setTemperatureUnit(analysis::TemperatureUnit unit) {
  setValue(Key::TemperatureUnit, text(analysis::unitLetter(unit)));
}

analysis::PressureUnit pressureUnit() {
  return analysis::pressureUnitFromSymbol(value(Key::PressureUnit).toString().toStdString());
}

void setPressureUnit(analysis::PressureUnit unit) {
  setValue(Key::PressureUnit, text(analysis::pressureSymbol(unit)));
}

int stepsPerTick() { return value(Key::StepsPerTick).toInt(); }

void setStepsPerTick(int steps) { setValue(Key::StepsPerTick, steps); }

// Only "true" follows: any other text (a hand-edited "maybe") is not taken
// as a yes, as QVariant's own conversion would take it.
bool followAmbient() { return value(Key::FollowAmbient).toString() == QStringLiteral("true"); }

void setFollowAmbient(bool follow) { setValue(Key::FollowAmbient, follow); }

QByteArray labGeometry() { return value(Key::LabGeometry).toByteArray(); }

void setLabGeometry(const QByteArray &geometry) { setValue(Key::LabGeometry, geometry); }

QStringList recentFiles() { return value(Key::RecentFiles).toStringList(); }

void setRecentFiles(const QStringList &files) { setValue(Key::RecentFiles, files); }

QString language() { return value(Key::Language).toString(); }

void setLanguage(const QString &code) { setValue(Key::Language, code); }

bool highContrast() { return value(Key::HighContrast).toString() == QStringLiteral("true"); }

void setHighContrast(bool on) { setValue(Key::HighContrast, on); }

bool blueToYellowSpeeds() {
  return value(Key::SpeedColours).toString() == QStringLiteral("blue-yellow");
}

void setBlueToYellowSpeeds(bool on) {
  setValue(Key::SpeedColours, on ? QStringLiteral("blue-yellow") : QStringLiteral("blue-red"));
}

} // namespace settings
