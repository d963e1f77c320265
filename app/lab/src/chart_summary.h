// A graph told in words, for a reader who cannot see it: its title, each
// axis with its range, and what each series shows now, as in "Steps: 0 to
// 20,000; Temperature (K): 250 to 350. Measured: latest 301.2 K at 12,000
// steps; Thermostat: 300 K throughout."
#pragma once

#include <QString>

class QChart;

namespace lab {

// What the values along each axis are counted in: "steps", "K", "kJ/mol";
// empty where the axis title says all.
struct ChartUnits {
  QString x;
  QString y;
};

// A number as the summary gives it: four significant digits at most, in the
// reader's locale, without trailing zeros: "20,000", "301.2", "0".
QString summaryNumber(double value);

// The chart's title, its axes and its visible series in words. A series of
// one point gives that point; a line its latest point, or its value where it
// stays level; a scatter of many points how many there are.
QString chartSummary(const QChart &chart, const ChartUnits &units);

} // namespace lab
