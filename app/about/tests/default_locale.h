// Sets the default locale for one test and puts the earlier one back, so
// that a test of numbers in another language leaves the next test as it was.
#pragma once

#include <QLocale>

class DefaultLocale {
public:
  explicit DefaultLocale(const QLocale &locale) { QLocale::setDefault(locale); }
  ~DefaultLocale() { QLocale::setDefault(before_); }
  DefaultLocale(const DefaultLocale &) = delete;
  DefaultLocale &operator=(const DefaultLocale &) = delete;

private:
  QLocale before_;
};
