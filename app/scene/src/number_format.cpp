#include "number_format.h"

#include <QLocale>

namespace scene {

QString formatNumber(double value, int integerDigits, int decimals) {
  QLocale locale;
  // A thousands separator would read as a decimal mark in many languages.
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  QString text = locale.toString(value, 'f', decimals);
  const QString minus = locale.negativeSign();
  const qsizetype signLength = text.startsWith(minus) ? minus.size() : 0;
  const qsizetype point = decimals > 0 ? text.indexOf(locale.decimalPoint()) : text.size();
  const qsizetype digits = point - signLength;
  if (digits < integerDigits)
    text.insert(signLength, locale.zeroDigit().repeated(integerDigits - digits));
  return text;
}

} // namespace scene
