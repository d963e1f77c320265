#include "number_format.h"

namespace scene {

QString formatNumber(double value, int integerDigits, int decimals) {
  QString text = QString::number(value, 'f', decimals);
  const bool negative = text.startsWith(u'-');
  const qsizetype signLength = negative ? 1 : 0;
  const qsizetype point = decimals > 0 ? text.indexOf(u'.') : text.size();
  const qsizetype digits = point - signLength;
  if (digits < integerDigits)
    text.insert(signLength, QString(integerDigits - digits, u'0'));
  return text;
}

} // namespace scene
