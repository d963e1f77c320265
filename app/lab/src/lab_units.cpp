#include "lab_units.h"

#include "unit_text.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace lab {

namespace {

constexpr int kPressureDigits = 4;

// A unit's symbol as written ("kPa", "ps"); the words a scenario without a
// card has instead are the reader's own.
QString symbolText(std::string_view symbol) {
  if (symbol == "model units")
    return QCoreApplication::translate("lab::units", "model units");
  return utf8Text(symbol);
}

} // namespace

QString significantText(double value, int digits) {
  if (value == 0.0 || !std::isfinite(value))
    return QLocale().toString(value, 'f', std::max(0, digits - 1));
  const int magnitude = int(std::floor(std::log10(std::abs(value))));
  int decimals = std::max(0, digits - 1 - magnitude);
  // 0.99996 rounds up to 1.000, a digit fewer after the point.
  const double scale = std::pow(10.0, decimals);
  if (decimals > 0 && std::abs(std::round(value * scale) / scale) >= std::pow(10.0, magnitude + 1))
    --decimals;
  return QLocale().toString(value, 'f', decimals);
}

QString readoutNumber(double value, int decimals) {
  QLocale locale;
  locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
  return locale.toString(value, 'f', decimals);
}

bool sameUnits(const LabUnits &a, const LabUnits &b) {
  const bool sameReal =
      a.real.has_value() == b.real.has_value() &&
      (!a.real || (a.real->metres == b.real->metres && a.real->kilograms == b.real->kilograms));
  return sameReal && a.temperature == b.temperature && a.pressure == b.pressure &&
         a.timeStep == b.timeStep;
}

QString timeSymbolText(const LabUnits &units) { return symbolText(analysis::timeSymbol(units)); }

QString energySymbolText(const LabUnits &units) {
  return symbolText(analysis::energySymbol(units));
}

QString pressureSymbolText(const LabUnits &units) {
  return symbolText(analysis::pressureSymbol(units));
}

QString energyText(double kelvin, const LabUnits &units) {
  return readoutNumber(analysis::shownEnergy(kelvin, units), units.real ? 2 : 1) +
         QLatin1Char(' ') + energySymbolText(units);
}

QString pressureText(double modelPressure, const LabUnits &units) {
  return significantText(analysis::shownPressure(modelPressure, units), kPressureDigits) +
         QLatin1Char(' ') + pressureSymbolText(units);
}

QString stepsText(std::int64_t steps, const LabUnits &units) {
  const QLocale locale;
  const QString counted = locale.toString(qlonglong(steps));
  if (!units.real)
    return counted;
  return QCoreApplication::translate("lab::units", "%1 (%2 %3)", "steps (time simulated)")
      .arg(counted, locale.toString(analysis::shownTime(steps, units), 'f', 2),
           timeSymbolText(units));
}

} // namespace lab
