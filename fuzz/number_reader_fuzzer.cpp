// The format's text routines on any text: a number, the value after a
// marker, a split, a number list into the loader's 21-slot buffer. Numbers
// too large for a double and lists past the buffer throw as documented;
// nothing else may go wrong.
#include "scenario/atom_model_file_io.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>

using namespace AtomModelFileIO;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string text(reinterpret_cast<const char *>(data), size);
  try {
    readNumber(text);
  } catch (const std::range_error &) {
  }
  try {
    valueAfterSeparator(text, "=");
  } catch (const std::range_error &) {
  }
  std::string head, rest;
  splitAtSeparator(text, ",", head, rest);
  if (head.size() + rest.size() + (head.size() < text.size() ? 1 : 0) != text.size())
    std::abort(); // the split lost or invented text
  std::array<double, 22> slots{};
  slots[21] = 12345.0; // a guard past the buffer
  int count = 0;
  try {
    parseNumberList(text, ",", slots.data(), 21, count);
  } catch (const std::range_error &) {
  } catch (const std::length_error &) {
  }
  if (slots[21] != 12345.0 || count < 0 || count > 21)
    std::abort(); // written past the buffer
  return 0;
}
