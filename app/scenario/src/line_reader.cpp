#include "line_reader.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace AtomModelFileIO {

std::vector<std::string> splitLines(const std::string &text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const auto end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    start = end + (crLf ? 2 : 1);
  }
  return lines;
}

std::vector<std::string> readLines(const std::string &fileName) {
  std::error_code ignored;
  if (std::filesystem::is_directory(fileName, ignored))
    throw std::runtime_error("it is a folder, not a file");
  errno = 0;
  std::ifstream file(fileName, std::ios::binary);
  if (!file)
    throw std::runtime_error(errno != 0 ? std::strerror(errno) : "cannot open it");
  std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (file.bad())
    throw std::runtime_error("cannot read it");
  return splitLines(text);
}

} // namespace AtomModelFileIO
