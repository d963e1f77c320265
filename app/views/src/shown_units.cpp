#include "shown_units.h"

#include <QCoreApplication>
#include <QLocale>

namespace views {

namespace {

// Read at each use, so that a language chosen later applies.
QString modelUnits() { return QCoreApplication::translate("views::ShownUnit", "model units"); }

} // namespace

QLocale shownLocale() {
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale;
}

QString ShownUnit::number(double engineValue) const {
  return shownLocale().toString(shown(engineValue), 'f', decimals);
}

QString ShownUnit::text(double engineValue) const {
  return number(engineValue) + QLatin1Char(' ') + symbol;
}

ShownUnit speedUnit(const std::optional<analysis::ModelUnits> &units) {
  if (!units)
    return {1.0, 0, modelUnits()};
  return {analysis::metresPerSecondPerSpeed(*units), 0, QStringLiteral("m/s")};
}

ShownUnit lengthUnit(const std::optional<analysis::ModelUnits> &units) {
  if (!units)
    return {1.0, 0, modelUnits()};
  return {analysis::angstroms(1.0, *units), 2, QStringLiteral("\u00c5")};
}

// Without a card the engine's own energy unit, the kelvin, is still true.
ShownUnit energyUnit(const std::optional<analysis::ModelUnits> &units) {
  if (!units)
    return {1.0, 0, QStringLiteral("K")};
  return {analysis::kilojoulesPerMole(1.0), 2, QStringLiteral("kJ/mol")};
}

} // namespace views
