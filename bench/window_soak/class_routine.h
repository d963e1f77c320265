// What a class does with the window, one step at a time: every place in the
// landscape and every Options entry in turn, season and time-of-day changes,
// pauses, restarts, and the Lab, the large view and the Interactions window
// opened and closed.
#pragma once

#include <functional>
#include <string>
#include <vector>

class frmOrvelModel;

namespace soak {

struct ClassStep {
  std::string what;
  bool startsScenario = false;
  std::function<void()> act;
};

std::vector<ClassStep> classRoutine(frmOrvelModel &window);

} // namespace soak
