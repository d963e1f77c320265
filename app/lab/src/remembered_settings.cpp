#include "remembered_settings.h"

#include "unit_text.h"

#include <QSettings>

namespace lab {

namespace {

QSettings settings() { return QSettings(QStringLiteral("Corvanta"), QStringLiteral("Corvanta")); }

const QString kUnit = QStringLiteral("units/temperature");
const QString kPressureUnit = QStringLiteral("units/pressure");
const QString kSpeed = QStringLiteral("simulation/stepsPerTick");
const QString kFollow = QStringLiteral("thermostat/followAmbient");
const QString kLabGeometry = QStringLiteral("lab/geometry");
const QString kRecentFiles = QStringLiteral("files/recent");

} // namespace

analysis::TemperatureUnit rememberedUnit() {
  return analysis::unitFromLetter(settings().value(kUnit).toString().toStdString());
}

void rememberUnit(analysis::TemperatureUnit unit) {
  settings().setValue(kUnit, unitLetterText(unit));
}

analysis::PressureUnit rememberedPressureUnit() {
  return analysis::pressureUnitFromSymbol(settings().value(kPressureUnit).toString().toStdString());
}

void rememberPressureUnit(analysis::PressureUnit unit) {
  const std::string_view symbol = analysis::pressureSymbol(unit);
  settings().setValue(kPressureUnit, QString::fromLatin1(symbol.data(), qsizetype(symbol.size())));
}

int rememberedStepsPerTick() { return settings().value(kSpeed, 0).toInt(); }

void rememberStepsPerTick(int steps) { settings().setValue(kSpeed, steps); }

bool rememberedFollowAmbient() { return settings().value(kFollow, false).toBool(); }

void rememberFollowAmbient(bool follow) { settings().setValue(kFollow, follow); }

QByteArray rememberedLabGeometry() { return settings().value(kLabGeometry).toByteArray(); }

void rememberLabGeometry(const QByteArray &geometry) {
  settings().setValue(kLabGeometry, geometry);
}

QStringList rememberedRecentFiles() { return settings().value(kRecentFiles).toStringList(); }

void rememberRecentFiles(const QStringList &files) { settings().setValue(kRecentFiles, files); }

} // namespace lab
