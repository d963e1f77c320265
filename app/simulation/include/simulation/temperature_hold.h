// Holding the atoms at a temperature, also hotter than the engine's clamp
// reaches. The clamp refuses targets above 2,000 (a held temperature of
// 1,333 K), below the melting point of any rock, so beyond that the clamp is
// switched off, lest it pull the atoms back, and the velocities are rescaled
// between runs instead. Every call reaches the engine: its owner calls them
// between runs only.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace simulation {

class TemperatureHold {
public:
  // Holds the atoms at `kelvin` from now on; returns the engine's code for
  // the clamp target (0 beyond the clamp's reach).
  std::int32_t holdAt(double kelvin);
  // After a run of `steps` steps: beyond the clamp's reach, rescales the
  // velocities toward the held temperature; otherwise nothing.
  void afterRun(int steps);
  // Stops holding: the clamp takes `clampTarget` again (and is on).
  std::int32_t release(double clampTarget);
  // Neither holds nor clamps: the atoms keep their total energy, so what
  // the kinetic energy gains the potential loses and the other way round.
  void insulate();
  bool beyondClamp() const { return beyond_.has_value(); }

private:
  std::optional<double> beyond_;  // the held temperature, while the clamp cannot hold it
  std::vector<double> velocities_; // kept between runs: a run allocates nothing
};

} // namespace simulation
