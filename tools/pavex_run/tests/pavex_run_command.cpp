#include "pavex_run_command.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include <sys/wait.h>
#include <unistd.h>

namespace PavexRunTest {

Outcome runPavexRun(const std::string &arguments) {
  const std::string command = std::string(PAVEX_RUN_PATH) + " " + arguments + " 2>&1";
  FILE *pipe = popen(command.c_str(), "r");
  Outcome outcome{-1, ""};
  if (!pipe)
    return outcome;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    outcome.output.append(buffer, n);
  const int status = pclose(pipe);
  outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

std::string temporaryPath(const std::string &suffix) {
  return (std::filesystem::temp_directory_path() /
          ("corvanta-" + std::to_string(::getpid()) + "-" + suffix))
      .string();
}

std::vector<std::string> readLines(const std::string &path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

} // namespace PavexRunTest
