// How the views write the running scenario's numbers: in real units when the
// scenario has a material card, in model units when it has none. Energies are
// in kelvin either way without a card, as the engine measures them.
#pragma once

#include "analysis/real_units.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace views {

// The locale numbers are written in: the user's, without thousands
// separators, so that an axis label or a legend stays short.
QLocale shownLocale();

// One kind of quantity as the views write it.
struct ShownUnit {
  double perEngineUnit = 1.0; // the shown value of one engine unit
  int decimals = 0;
  QString symbol; // "m/s", "Å", "kJ/mol", "K" or "model units"

  double shown(double engineValue) const { return engineValue * perEngineUnit; }
  // The value alone, and with its unit: "3.25" and "3.25 Å".
  QString number(double engineValue) const;
  QString text(double engineValue) const;
};

// Speeds in m/s; lengths in ångström; energies per pair of atoms in kJ/mol,
// the unit of bond energies in chemistry books.
ShownUnit speedUnit(const std::optional<analysis::ModelUnits> &units);
ShownUnit lengthUnit(const std::optional<analysis::ModelUnits> &units);
ShownUnit energyUnit(const std::optional<analysis::ModelUnits> &units);

} // namespace views
