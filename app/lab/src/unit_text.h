// Temperature unit names as the windows write them.
#pragma once

#include "analysis/units.h"

#include <QString>

#include <string_view>

namespace lab {

// UTF-8 text from the Qt-free code (a symbol, a unit's name) as a QString.
QString utf8Text(std::string_view utf8);

// "°F", "°C" or "K".
QString unitSymbolText(analysis::TemperatureUnit unit);
// "F", "C" or "K".
QString unitLetterText(analysis::TemperatureUnit unit);

} // namespace lab
