// Whether a file's text holds a part, for the tests of written files.
#pragma once

#include <string>

namespace PavexRunTest {

inline bool contains(const std::string &text, const std::string &part) {
  return text.find(part) != std::string::npos;
}

} // namespace PavexRunTest
