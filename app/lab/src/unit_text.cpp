#include "unit_text.h"

namespace lab {

QString utf8Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

QString unitSymbolText(analysis::TemperatureUnit unit) {
  return utf8Text(analysis::unitSymbol(unit));
}

QString unitLetterText(analysis::TemperatureUnit unit) {
  return utf8Text(analysis::unitLetter(unit));
}

} // namespace lab
