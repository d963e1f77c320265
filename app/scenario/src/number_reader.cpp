// Reading a number from the start of a text the way the scenario format
// expects: blanks, tabs and line feeds are skipped wherever they stand, "." is
// the decimal point in every locale, E or D starts an exponent, &H and &O
// start a hexadecimal or octal whole number, and reading stops at the first
// character that cannot continue the number.
#include "scenario/atom_model_file_io.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>

namespace AtomModelFileIO {
namespace {

// Exponents beyond this overflow or underflow every double; clamping keeps
// the running sum of exponent digits from overflowing.
constexpr int kExponentLimit = 100000;

// Walks the text one significant character at a time, skipping the blanks,
// tabs and line feeds that may stand anywhere inside a number.
class Cursor {
public:
  explicit Cursor(std::string_view text) : text_(text) { skipBlanks(); }

  char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
  char upperPeek() const {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(peek())));
  }
  void advance() {
    ++pos_;
    skipBlanks();
  }
  bool digitAhead() const { return std::isdigit(static_cast<unsigned char>(peek())) != 0; }

private:
  void skipBlanks() {
    while (pos_ < text_.size() &&
           (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n'))
      ++pos_;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

int digitValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return 99;
}

void throwTooLarge() { throw std::range_error("number too large for a double"); }

// The whole number after &H or &O.
double readRadixNumber(Cursor &cursor, int radix) {
  double value = 0.0;
  while (digitValue(cursor.upperPeek()) < radix) {
    value = value * radix + digitValue(cursor.upperPeek());
    cursor.advance();
  }
  if (std::isinf(value))
    throwTooLarge();
  return value;
}

int readExponent(Cursor &cursor) {
  int sign = 1;
  if (cursor.peek() == '+' || cursor.peek() == '-') {
    sign = cursor.peek() == '-' ? -1 : 1;
    cursor.advance();
  }
  int exponent = 0;
  while (cursor.digitAhead()) {
    exponent = std::min(exponent * 10 + (cursor.peek() - '0'), kExponentLimit);
    cursor.advance();
  }
  return sign * exponent;
}

// Sign, digits and decimal point as plain text for the conversion.
struct Mantissa {
  std::string text;
  bool anyDigit = false;
  // The magnitude lies between 10^(order - 1) and 10^order: digits before the
  // point count up, zeros between the point and the first significant digit
  // count down.
  int order = 0;
};

void addDigit(Mantissa &m, char c, bool pointSeen, bool &significant) {
  m.anyDigit = true;
  m.text += c;
  if (!pointSeen && (significant || c != '0'))
    ++m.order;
  else if (pointSeen && !significant && c == '0')
    --m.order;
  significant = significant || c != '0';
}

Mantissa readMantissa(Cursor &cursor) {
  Mantissa m;
  if (cursor.peek() == '+' || cursor.peek() == '-') {
    if (cursor.peek() == '-')
      m.text += '-';
    cursor.advance();
  }
  bool pointSeen = false;
  bool significant = false;
  for (;; cursor.advance()) {
    const char c = cursor.peek();
    if (std::isdigit(static_cast<unsigned char>(c))) {
      addDigit(m, c, pointSeen, significant);
    } else if (c == '.' && !pointSeen) {
      pointSeen = true;
      m.text += c;
    } else {
      return m;
    }
  }
}

// The exponent after E or D; taken only when a digit, or a sign and a digit,
// follows the letter, else the number ends before the letter.
int readOptionalExponent(Cursor &cursor) {
  if (cursor.upperPeek() != 'E' && cursor.upperPeek() != 'D')
    return 0;
  Cursor afterLetter = cursor;
  afterLetter.advance();
  Cursor probe = afterLetter;
  if (probe.peek() == '+' || probe.peek() == '-')
    probe.advance();
  if (!probe.digitAhead())
    return 0;
  cursor = afterLetter;
  return readExponent(cursor);
}

double readDecimalNumber(Cursor &cursor) {
  Mantissa m = readMantissa(cursor);
  if (!m.anyDigit)
    return 0.0;
  const int exponent = readOptionalExponent(cursor);
  m.text += 'e' + std::to_string(exponent);
  double value = 0.0;
  const auto result = std::from_chars(m.text.data(), m.text.data() + m.text.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Beyond the doubles either way: too large is an error, too small is zero.
    if (m.order + exponent > 0)
      throwTooLarge();
    return m.text.front() == '-' ? -0.0 : 0.0;
  }
  return value;
}

} // namespace

double readNumber(std::string_view text) {
  Cursor cursor(text);
  if (cursor.peek() != '&')
    return readDecimalNumber(cursor);
  cursor.advance();
  const char prefix = cursor.upperPeek();
  if (prefix != 'H' && prefix != 'O')
    return 0.0;
  cursor.advance();
  return readRadixNumber(cursor, prefix == 'H' ? 16 : 8);
}

} // namespace AtomModelFileIO
