#include "unit_text.h"

namespace lab {

namespace {
QString text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}
} // namespace

QString unitSymbolText(analysis::TemperatureUnit unit) { return text(analysis::unitSymbol(unit)); }

QString unitLetterText(analysis::TemperatureUnit unit) { return text(analysis::unitLetter(unit)); }

} // namespace lab
