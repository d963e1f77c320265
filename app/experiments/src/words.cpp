#include "words.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace experiments {

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos)
    return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string quoted(std::string_view text) {
  std::string out(1, '"');
  out.append(text);
  out += '"';
  return out;
}

namespace {

// The number at the start of text and where it ends; nullopt when text does
// not begin with a finite number.
std::optional<double> leadingNumber(std::string_view text, std::size_t &length) {
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || !std::isfinite(value))
    return std::nullopt;
  length = static_cast<std::size_t>(end - text.data());
  return value;
}

// ASCII only, whatever the program's locale.
bool isFileNameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || c == '.';
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool endsWithNoCase(std::string_view text, std::string_view ending) {
  if (text.size() < ending.size())
    return false;
  const std::string_view tail = text.substr(text.size() - ending.size());
  for (std::size_t k = 0; k < ending.size(); ++k)
    if (lowerAscii(tail[k]) != ending[k])
      return false;
  return true;
}

} // namespace

std::string plainNumber(double value) {
  char text[32];
  const int length = std::snprintf(text, sizeof text, "%.10g", value);
  return std::string(text, static_cast<std::size_t>(length));
}

std::optional<double> parseNumber(std::string_view text) {
  std::size_t length = 0;
  const std::optional<double> value = leadingNumber(text, length);
  if (!value || length != text.size())
    return std::nullopt;
  return value;
}

std::string_view Words::peek() const { return rest_.substr(0, rest_.find_first_of(kBlanks)); }

std::string_view Words::next() {
  const std::string_view word = peek();
  rest_ = trimmed(rest_.substr(word.size()));
  return word;
}

bool Words::take(std::string_view phrase) {
  Words ahead = *this;
  Words wanted(phrase);
  while (!wanted.atEnd())
    if (ahead.next() != wanted.next())
      return false;
  *this = ahead;
  return true;
}

std::string_view Words::rest() {
  const std::string_view all = rest_;
  rest_ = {};
  return all;
}

void Words::finish(std::string_view what) {
  if (!atEnd())
    throw Refusal("unexpected " + quoted(rest_) + " after " + std::string(what));
}

bool Words::numberNext() const {
  std::size_t length = 0;
  return leadingNumber(peek(), length).has_value();
}

Quantity Words::quantity(std::string_view what) {
  const std::string_view word = next();
  if (word.empty())
    throw Refusal(std::string(what) + " needs a number");
  std::size_t length = 0;
  const std::optional<double> value = leadingNumber(word, length);
  if (!value)
    throw Refusal(std::string(what) + " needs a number, not " + quoted(word));
  Quantity quantity{*value, *findUnit("")};
  if (length < word.size()) {
    const std::optional<Unit> unit = findUnit(word.substr(length));
    if (!unit)
      throw Refusal(quoted(word) + " is not a number with a unit");
    quantity.unit = *unit;
  } else if (const std::optional<Unit> unit = findUnit(peek()); unit && !peek().empty()) {
    next();
    quantity.unit = *unit;
  }
  return quantity;
}

long long Words::whole(std::string_view what, long long lowest, long long highest) {
  const std::string_view word = next();
  long long value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (word.empty() || error != std::errc() || end != word.data() + word.size() || value < lowest ||
      value > highest)
    throw Refusal(std::string(what) + " must be a whole number from " + std::to_string(lowest) +
                  " to " + std::to_string(highest) +
                  (word.empty() ? std::string() : ", not " + quoted(word)));
  return value;
}

void checkBareFileName(std::string_view name, std::string_view what,
                       std::initializer_list<std::string_view> extensions) {
  for (const char c : name)
    if (!isFileNameCharacter(c))
      throw Refusal(std::string(what) + " must be a file name beside the experiment " +
                    "(letters, digits, -, _ and .), not " + quoted(name));
  if (name.find("..") != std::string_view::npos)
    throw Refusal(std::string(what) + " must not hold \"..\"");
  std::string endings;
  for (const std::string_view extension : extensions) {
    if (endsWithNoCase(name, extension) && name.size() > extension.size())
      return;
    endings += (endings.empty() ? "" : " or ") + std::string(extension);
  }
  throw Refusal(std::string(what) + " must be a " + endings + " file, not " + quoted(name));
}

} // namespace experiments
