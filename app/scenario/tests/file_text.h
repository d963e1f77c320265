// The whole of a file as bytes, for tests that compare or edit files.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace scenario_testing {

inline std::string readText(const std::string &path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

} // namespace scenario_testing
