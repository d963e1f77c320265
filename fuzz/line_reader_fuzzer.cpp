// Splitting any bytes into lines: no line holds a terminator, and the lines
// with their terminators make up the whole text again.
#include "line_reader.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const std::string text(reinterpret_cast<const char *>(data), size);
  const auto lines = AtomModelFileIO::splitLines(text);
  std::size_t total = 0;
  for (const std::string &line : lines) {
    if (line.find_first_of("\r\n") != std::string::npos)
      std::abort();
    total += line.size();
  }
  std::size_t terminators = 0;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\n' || (text[i] == '\r' && !(i + 1 < text.size() && text[i + 1] == '\n')))
      ++terminators;
  std::size_t crLf = 0;
  for (std::size_t i = 0; i + 1 < text.size(); ++i)
    crLf += text[i] == '\r' && text[i + 1] == '\n' ? 1 : 0;
  if (total + terminators + crLf != text.size() || lines.size() > terminators + 1)
    std::abort();
  return 0;
}
