// Numbers in the status bar follow the patterns "00.00", "0.000" and "00.0":
// at least so many integer digits (zero-padded), exactly so many decimals,
// written in the default locale's digits, sign and decimal mark without
// group separators.
#pragma once

#include <QString>

namespace scene {

QString formatNumber(double value, int integerDigits, int decimals);

} // namespace scene
