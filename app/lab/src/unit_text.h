// Temperature unit names as the windows write them.
#pragma once

#include "analysis/units.h"

#include <QString>

namespace lab {

// "°F", "°C" or "K".
QString unitSymbolText(analysis::TemperatureUnit unit);
// "F", "C" or "K".
QString unitLetterText(analysis::TemperatureUnit unit);

} // namespace lab
