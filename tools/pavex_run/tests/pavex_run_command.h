// Runs the pavex-run program of this build and collects what it prints.
#pragma once

#include <string>
#include <vector>

namespace PavexRunTest {

struct Outcome {
  int exitCode;
  std::string output; // standard output and standard error together
};

Outcome runPavexRun(const std::string &arguments);

// A path in the temporary folder unique to this process, ending in suffix.
std::string temporaryPath(const std::string &suffix);

// The lines of a text file.
std::vector<std::string> readLines(const std::string &path);

} // namespace PavexRunTest
