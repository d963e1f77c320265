// The text routines of the scenario format: the value after a marker,
// splitting at a separator and reading a list of numbers.
#include "scenario/atom_model_file_io.h"

#include <stdexcept>

namespace AtomModelFileIO {

std::string textAfterSeparator(std::string_view text, std::string_view marker) {
  const auto at = text.find(marker);
  if (at == std::string_view::npos)
    return {};
  // The one character right after the marker (the blank in "= ") is dropped.
  const auto start = at + marker.size() + 1;
  return start < text.size() ? std::string(text.substr(start)) : std::string();
}

double valueAfterSeparator(std::string_view text, std::string_view marker) {
  return readNumber(textAfterSeparator(text, marker));
}

void splitAtSeparator(std::string_view text, std::string_view separator, std::string &head,
                      std::string &rest) {
  const auto at = separator.empty() ? std::string_view::npos : text.find(separator);
  if (at == std::string_view::npos) {
    head = text;
    rest.clear();
    return;
  }
  head = text.substr(0, at);
  rest = text.substr(at + separator.size());
}

void parseNumberList(std::string_view text, std::string_view separator, double *values,
                     int maxValues, int &count) {
  count = 0;
  std::string remaining(text);
  std::string head;
  std::string rest;
  while (!remaining.empty()) {
    if (count == maxValues)
      throw std::length_error("more than " + std::to_string(maxValues) + " fields");
    splitAtSeparator(remaining, separator, head, rest);
    values[count++] = readNumber(head);
    remaining.swap(rest);
  }
}

} // namespace AtomModelFileIO
