// pavex-run as a program: exit codes and messages.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Outcome {
  int exitCode;
  std::string output; // standard output and standard error together
};

Outcome runPavexRun(const std::string &arguments) {
  const std::string command = std::string(PAVEX_RUN_PATH) + " " + arguments + " 2>&1";
  FILE *pipe = popen(command.c_str(), "r");
  Outcome outcome{-1, ""};
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    outcome.output.append(buffer, n);
  const int status = pclose(pipe);
  outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

std::string dataFile(const std::string &name) {
  return std::string(SCENARIO_TEST_DATA) + "/" + name;
}

} // namespace

TEST(PavexRunCommand, AMissingScenarioFileExitsWithTwoNamingIt) {
  const Outcome outcome = runPavexRun("/nonexistent/solid.ams");
  EXPECT_EQ(outcome.exitCode, 2);
  EXPECT_NE(outcome.output.find("/nonexistent/solid.ams: cannot open"), std::string::npos)
      << outcome.output;
}

TEST(PavexRunCommand, ABrokenScenarioFileExitsWithTwoNamingTheLine) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("corvanta-" + std::to_string(::getpid()) + "-short.ams");
  std::ofstream(path) << "Version = 1\nNumber of atoms = 4\n";
  const Outcome outcome = runPavexRun(path.string());
  std::filesystem::remove(path);
  EXPECT_EQ(outcome.exitCode, 2);
  EXPECT_NE(outcome.output.find(path.string() + ", line 3: the file ends here"), std::string::npos)
      << outcome.output;
}

TEST(PavexRunCommand, ABadOptionExitsWithTwoAndShowsUsage) {
  const Outcome outcome = runPavexRun(dataFile("two_types.ams") + " --every 0");
  EXPECT_EQ(outcome.exitCode, 2);
  EXPECT_NE(outcome.output.find("--every must be at least 1"), std::string::npos);
  EXPECT_NE(outcome.output.find("usage: pavex-run"), std::string::npos);
}

#ifdef HAVE_ENGINE
TEST(PavexRunCommand, ARunWritesRowsTableAndTrajectory) {
  const auto base =
      std::filesystem::temp_directory_path() / ("corvanta-" + std::to_string(::getpid()) + "-run");
  const std::string csv = base.string() + ".csv", xyz = base.string() + ".xyz";
  const Outcome outcome =
      runPavexRun(dataFile("two_types.ams") + " --steps 20 --every 10 --kick 10:300 --csv " + csv +
                  " --xyz " + xyz);
  EXPECT_EQ(outcome.exitCode, 0) << outcome.output;
  EXPECT_NE(outcome.output.find("fresh velocities for temperature 300"), std::string::npos);
  EXPECT_NE(outcome.output.find("phase summary after 20 steps"), std::string::npos);
  std::ifstream table(csv);
  std::string line;
  std::getline(table, line);
  EXPECT_EQ(line, "step,temperature,kinetic,potential,total,pressure");
  int rows = 0;
  while (std::getline(table, line))
    ++rows;
  EXPECT_EQ(rows, 3); // steps 0, 10 and 20
  std::ifstream trajectory(xyz);
  int frames = 0;
  while (std::getline(trajectory, line))
    frames += line == "4" ? 1 : 0;
  EXPECT_EQ(frames, 3);
  std::filesystem::remove(csv);
  std::filesystem::remove(xyz);
}
#endif
