// Reading the value of a lesson-file line word by word: numbers, numbers
// with units, phrases from the names' tables, bare file names. A value that
// cannot be read throws a Refusal with the reason; the reader adds the file
// and the line.
#pragma once

#include "names.h"
#include "units.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace experiments {

class Refusal : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Spaces and tabs, which the format trims around keys, values and words.
constexpr std::string_view kBlanks = " \t";

std::string_view trimmed(std::string_view text);

// "\"text\"" for messages.
std::string quoted(std::string_view text);

// A limit as messages write it: "3000", "10000000".
std::string plainNumber(double value);

// A whole decimal or exponent-form number, finite.
std::optional<double> parseNumber(std::string_view text);

struct Quantity {
  double value = 0.0;
  Unit unit; // the bare number's unit when none was written
};

class Words {
public:
  explicit Words(std::string_view text) : rest_(trimmed(text)) {}

  bool atEnd() const { return rest_.empty(); }
  // The next word, without taking it; empty at the end.
  std::string_view peek() const;
  std::string_view next();
  // Takes the next words when they spell the phrase ("latent heat").
  bool take(std::string_view phrase);
  // Everything not yet taken, trimmed; takes it.
  std::string_view rest();
  // Refuses anything left over; what names the part read so far.
  void finish(std::string_view what);

  // A number and its unit, if one follows ("300 K", "300K", "2.5"). A unit
  // is taken only when it is one the format knows.
  Quantity quantity(std::string_view what);
  // A whole number from lowest to highest, digits only.
  long long whole(std::string_view what, long long lowest, long long highest);
  // Whether the next word begins with a number.
  bool numberNext() const;

  // The kind whose phrase comes next, taken; nullopt if none does.
  template <typename Kind, std::size_t N>
  std::optional<Kind> kind(const std::array<names::Word<Kind>, N> &table) {
    for (const names::Word<Kind> &word : table)
      if (take(word.text))
        return word.kind;
    return std::nullopt;
  }

private:
  std::string_view rest_;
};

// A file name beside the experiment: letters, digits, '-', '_' and '.',
// no folder and no "..", ending in one of the extensions (any case).
void checkBareFileName(std::string_view name, std::string_view what,
                       std::initializer_list<std::string_view> extensions);

} // namespace experiments
