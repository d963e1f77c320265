// Reading a text file as lines: a carriage return, a carriage return and
// line feed, or a line feed alone ends a line; the terminator is not part of
// the line.
#pragma once

#include <string>
#include <vector>

namespace AtomModelFileIO {

// Every line of the file. Throws std::runtime_error with the reason when the
// file cannot be read.
std::vector<std::string> readLines(const std::string &fileName);

// Splits text into lines; a final line without terminator counts as a line.
std::vector<std::string> splitLines(const std::string &text);

} // namespace AtomModelFileIO
