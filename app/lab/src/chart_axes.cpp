#include "chart_axes.h"

#include <QLogValueAxis>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace lab {

double roundStep(double span) {
  const double rough = span / 5.0;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double factor : {1.0, 2.0, 5.0})
    if (factor * power >= rough)
      return factor * power;
  return 10.0 * power;
}

void fitAxis(QValueAxis *axis, double low, double high) {
  if (!(low <= high))
    return;
  const double step = roundStep(std::max(high - low, 1.0));
  const double from = std::floor(low / step) * step;
  const double to = std::max(std::ceil(high / step) * step, from + step);
  axis->setRange(from, to);
  axis->setTickCount(int(std::lround((to - from) / step)) + 1);
}

void fitLogAxis(QLogValueAxis *axis, double low, double high) {
  if (!(low > 0.0 && low <= high))
    return;
  const double from = std::floor(std::log10(low));
  const double to = std::max(std::ceil(std::log10(high)), from + 1.0);
  axis->setRange(std::pow(10.0, from), std::pow(10.0, to));
}

} // namespace lab
