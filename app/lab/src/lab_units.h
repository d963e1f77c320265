// How the Lab writes the running scenario's numbers: in real units when the
// scenario has a material card, in model units (kelvin for temperatures)
// when it has none. The conversions are the series table's (analysis::
// SeriesUnits), so the readouts, graphs and the CSV agree.
#pragma once

#include "analysis/series.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace lab {

using LabUnits = analysis::SeriesUnits;

// Whether the graphs drawn in one set of units must be drawn again.
bool sameUnits(const LabUnits &a, const LabUnits &b);

// A number with `digits` significant digits in fixed notation (at least its
// whole part): "101.3", "0.9869", "1.000", "32,322".
QString significantText(double value, int digits);

// A readout's number in the reader's locale with `decimals` decimals and no
// group separator, so that it keeps its width: "1000.0", "-16.63".
QString readoutNumber(double value, int decimals);

// The unit symbols as the Lab writes them: "ps", "kJ/mol", "kPa", "atm" or
// "model units" (those words in the reader's language).
QString timeSymbolText(const LabUnits &units);
QString energySymbolText(const LabUnits &units);
QString pressureSymbolText(const LabUnits &units);

// An energy per atom: "8.31 kJ/mol", "1000.0 model units".
QString energyText(double kelvin, const LabUnits &units);
// The pressure on the walls (model units), four significant digits in fixed
// notation: "101.3 kPa", "0.9869 atm".
QString pressureText(double modelPressure, const LabUnits &units);
// The steps, and with a card the time they simulated: "1,000 (9.31 ps)".
QString stepsText(std::int64_t steps, const LabUnits &units);

} // namespace lab
