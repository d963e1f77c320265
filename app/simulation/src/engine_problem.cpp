#include "simulation/engine_problem.h"

#include "scenario/engine_binding.h"

#include <filesystem>

namespace simulation {

namespace {

// The folder of the library the binding opens, absolute; as given when the
// current folder cannot be read.
std::string libraryFolder() {
  const std::filesystem::path library = Pavex::libraryPath();
  std::error_code unreadable;
  const std::filesystem::path absolute = std::filesystem::absolute(library, unreadable);
  return (unreadable ? library : absolute).lexically_normal().parent_path().string();
}

} // namespace

std::optional<std::string> engineProblemIn(const std::function<void()> &step) {
  try {
    step();
  } catch (const Pavex::EngineError &error) {
    return std::string("The simulation engine cannot be used:\n") + error.what() +
           "\n\nFolder searched: " + libraryFolder();
  }
  return std::nullopt;
}

} // namespace simulation
