// Recorded values as the worksheet and the panel write them.
#include "experiments/checks.h"

#include <algorithm>
#include <cmath>
#include <charconv>

namespace experiments {

namespace {

constexpr int kSignificantFigures = 3;
// Beyond these a number is written in exponent form rather than with a
// run of zeros.
constexpr double kLargestPlain = 1e15;
constexpr double kSmallestPlain = 1e-6;
constexpr std::size_t kDigitsPerGroup = 3;
constexpr const char *kNoNumber = "\u2014"; // an em dash for a number that is not finite

// Written the same whatever the C library's locale (Qt sets it from the
// user's), so that the worksheet's grouping stays right.
std::string printed(std::chars_format format, int precision, double value) {
  char text[64];
  const auto written = std::to_chars(text, text + sizeof text, value, format, precision);
  return std::string(text, written.ptr);
}

// "45.200" → "45.2", "80.0" → "80".
void dropTrailingZeros(std::string &digits) {
  if (digits.find('.') == std::string::npos)
    return;
  digits.erase(digits.find_last_not_of('0') + 1);
  if (digits.back() == '.')
    digits.pop_back();
}

// "1959.5" → "1,959.5".
void groupThousands(std::string &digits) {
  const std::size_t start = digits.front() == '-' ? 1 : 0;
  std::size_t end = digits.find('.');
  if (end == std::string::npos)
    end = digits.size();
  for (std::size_t at = end; at > start + kDigitsPerGroup; at -= kDigitsPerGroup)
    digits.insert(at - kDigitsPerGroup, 1, ',');
}

std::string formatNumber(double value) {
  if (!std::isfinite(value))
    return kNoNumber;
  if (value == 0.0)
    return "0";
  const double magnitude = std::abs(value);
  if (magnitude >= kLargestPlain || magnitude < kSmallestPlain)
    return printed(std::chars_format::general, kSignificantFigures, value);
  const int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
  std::string digits = printed(std::chars_format::fixed, std::max(0, kSignificantFigures - 1 - exponent), value);
  dropTrailingZeros(digits);
  groupThousands(digits);
  return digits;
}

} // namespace

std::string formatValue(const Value &value) {
  if (!value.number)
    return value.text;
  const std::string number = formatNumber(*value.number);
  return value.unit.empty() ? number : number + " " + value.unit;
}

} // namespace experiments
