// The one owner of the engine while the program runs: start-up, scenario
// loads and the simulation ticks all go through it, and so do the commands
// of the run controls and the thermostat. It publishes what the loop
// measured as read-only state for the windows that show it.
//
// Every call happens on the loop's thread, between engine runs; only the
// run of a tick may go on on a worker thread while the window draws, and
// every call that reaches the engine first finishes that tick. With no
// command given (not paused, five steps a tick, no thermostat held, nothing
// measured) the engine sees exactly the calls of the plain loop, in order.
#pragma once

#include "analysis/atom_frame.h"
#include "analysis/series.h"
#include "analysis/thermostat.h"
#include "scenario/material_card.h"
#include "scenario/scenario_data.h"
#include "simulation/box_control.h"
#include "simulation/run_worker.h"
#include "simulation/temperature_hold.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace simulation {

class SimulationController {
public:
  static constexpr int kStartStepsPerTick = 5;
  // A sample of the measured series is taken at most every this many steps.
  static constexpr std::int64_t kSampleSteps = 20;
  // The smallest box the lid makes, as a fraction of the file's box height.
  static constexpr double kSmallestLid = Lid::kSmallest;

  // The program's start-up values (see start_up.h) written into the
  // program-side state and handed to a freshly initialised engine: 250 atoms
  // on the engine's own lattice at temperature 200, no scenario yet.
  void startUp();
  // Loads a scenario file (ModDornDll::loadScenarioFile) and starts it from
  // step 0. Throws what the loader throws; the running scenario, the
  // thermostat and the records are then as they were.
  void load(const std::string &path);

  // Finishes a tick in flight.
  ~SimulationController();

  // Fetches the atoms' coordinates for the first frame after a start-up or
  // a load, once a tick in flight is finished.
  void fetchFirstFrame();
  // Frees the engine's atoms as the program ends, once a tick in flight is
  // finished. An engine that never loaded holds nothing, so its absence is
  // no fault here.
  void releaseEngine();

  // One tick of the loop: the engine advances stepsPerTick() steps and the
  // atoms' coordinates are fetched. Does nothing while paused or before a
  // scenario has started; returns whether the atoms moved.
  bool tick();
  // The same tick in two halves, so that the window can draw the frame it
  // has while the engine runs: startTick() hands the run to the worker
  // thread (returning whether the atoms will move), finishTick() waits for
  // it and fetches the coordinates. The engine sees the calls of tick().
  bool startTick();
  void finishTick();
  // One tick while paused (Step); false when not paused or nothing runs.
  bool stepOnce();

  // The landscape's ambient temperature changed (kelvin). Unless the
  // thermostat holds the atoms, they get fresh velocities for it; when the
  // thermostat follows the ambient temperature, it moves there.
  void ambientChanged(double kelvin);

  // Pausing finishes a tick in flight first.
  void setPaused(bool paused);
  // Steps per tick, 1 to 50; other values are ignored.
  void setStepsPerTick(int steps);
  // Holds the atoms' measured temperature at the thermostat, or hands the
  // clamp back to the scenario's own target. Releasing the hold also stops
  // following the ambient temperature and any ramp.
  void setHold(bool hold);
  // Moves the thermostat (kelvin) and holds the atoms there, through the
  // engine's clamp or, hotter than it reaches, by rescaling the velocities
  // after each tick. A value outside 0 .. analysis::largestHeldTemperature()
  // is held at the nearer limit; returns the value held.
  double setThermostat(double kelvin);
  // While on, the thermostat holds the atoms and follows the ambient
  // temperature.
  void setFollowAmbient(bool follow);
  // Moves the thermostat steadily from its value to `to` over `steps` steps,
  // recording the heating curve on the way. Holds the atoms.
  void startRamp(double to, std::int64_t steps);
  void stopRamp();
  // Insulates the atoms: no thermostat, no clamp, and the landscape's
  // temperature no longer reaches them, so their total energy stays as it
  // is (an evaporating liquid then cools). Holding the atoms again (hold,
  // thermostat, follow, ramp) ends it; switching it off hands the clamp back
  // to the scenario's own target. It lasts over a load, as a hold does.
  void setInsulated(bool insulated);
  // Measurement of the series costs engine calls, so it starts only when
  // something shows it.
  void setMeasuring(bool measuring);
  // While on, each tick keeps the coordinates it replaces, so that the
  // atoms' speeds over the tick can be read. It costs no engine call.
  void setTrackingSpeeds(bool tracking);

  // The lid (the top of the box) and the pressure on the walls; see
  // box_control.h. A load or a restart puts the lid back at the file's box.
  // The box height now and the lid's target, as fractions of the file's.
  double lidHeight() const { return boxControl_.lid().height(); }
  double lidTarget() const { return boxControl_.lid().target(); }
  // Whether the lid still moves toward its target (or waits on its way
  // there); false once it stands where it can go.
  bool lidMoving() const { return boxControl_.lid().moving(); }
  // Clamped to [kSmallestLid, 1]; the lid moves there over the following
  // ticks at its safe pace. Moving the lid by hand releases a held pressure.
  void setLidTarget(double fraction);
  // Why the lid waits or stopped short of its target; empty when it does not.
  const std::string &lidHold() const { return boxControl_.lid().hold(); }
  // The box as it stands now (min x, y, z, max x, y, z).
  std::array<double, 6> box() const { return boxControl_.lid().box(); }
  // The walls' pressure averaged over the gauge's window (model units);
  // nullopt until a window has been measured.
  std::optional<double> gaugePressure() const { return boxControl_.gauge(); }
  // The same for the lid alone: the pressure the barostat holds.
  std::optional<double> lidPressure() const { return boxControl_.lidGauge(); }
  // The barostat: the lid moves by itself to hold this pressure on it
  // (model units); nullopt switches it off.
  void holdPressure(std::optional<double> modelPressure);
  std::optional<double> heldPressure() const { return boxControl_.heldPressure(); }

  // The running simulation as a scenario file would set it up again: the
  // current coordinates and velocities (fetched from the engine), the box as
  // it stands, and as the file's temperature the clamp target the atoms are
  // held to now.
  ModDornDll::ScenarioData snapshot();

  bool running() const { return running_; }
  bool paused() const { return paused_; }
  int stepsPerTick() const { return stepsPerTick_; }
  std::int64_t step() const { return step_; }
  std::int32_t atoms() const;
  // Counts scenario starts; a new value means the records start afresh.
  std::uint64_t scenarioStarts() const { return scenarioStarts_; }
  const std::string &scenarioPath() const { return scenarioPath_; }
  // The material card beside the running scenario file, when it has one
  // that could be used; without it the scenario runs in model units.
  const std::optional<ModDornDll::MaterialCard> &card() const { return card_; }
  // Why the card beside the last file loaded could not be used: the file,
  // the line and the reason; empty when it could, or when there was none.
  const std::string &cardProblem() const { return cardProblem_; }
  bool holding() const { return holding_; }
  bool followingAmbient() const { return follow_; }
  bool insulated() const { return insulated_; }
  bool measuring() const { return measuring_; }
  // The temperature the atoms are held at (kelvin): the thermostat's while
  // it holds them, otherwise the one the scenario's clamp target gives.
  double thermostat() const;
  double ambient() const { return ambient_; }
  bool ramping() const { return ramp_.has_value(); }
  const std::optional<analysis::Ramp> &ramp() const { return ramp_; }
  // Where the last measurement stands (valid once measuring has sampled).
  const std::optional<analysis::Sample> &latest() const { return latest_; }
  const analysis::SeriesRecorder &records() const { return records_; }
  // A copy of the atoms as the last tick fetched them, with the running
  // scenario's types and pair table, the box as it stands, and the
  // temperature of the last measurement (0 before there is one).
  analysis::AtomFrame atomFrame() const;
  // Each atom's mean speed over the last tick, in engine units of length per
  // unit of time; empty until a tick has run with speeds tracked since the
  // scenario (or the start-up) began.
  std::vector<double> atomSpeeds() const;

private:
  void advance();
  void afterRun();
  void advanceRamp();
  void measure();
  void applyClampTarget();

  bool running_ = false;
  bool paused_ = false;
  int stepsPerTick_ = kStartStepsPerTick;
  std::int64_t step_ = 0;
  std::uint64_t scenarioStarts_ = 0;
  std::string scenarioPath_;
  std::optional<ModDornDll::MaterialCard> card_;
  std::string cardProblem_;
  bool inFlight_ = false; // a tick's run handed to the worker

  double scenarioClampTarget_ = 0.0; // of the last load or of start-up
  TemperatureHold temperatureHold_;
  double heldKelvin_ = 0.0; // the thermostat, while holding_
  bool holding_ = false;
  bool follow_ = false;
  bool insulated_ = false;
  double ambient_ = 0.0;
  std::optional<analysis::Ramp> ramp_;
  std::int64_t rampStart_ = 0;

  bool measuring_ = false;
  std::int64_t lastSample_ = 0;
  std::optional<analysis::Sample> latest_;
  analysis::SeriesRecorder records_;

  BoxControl boxControl_;

  bool trackingSpeeds_ = false;
  std::vector<double> previousCoords_; // before the last tick, while tracking
  int previousSteps_ = 0;              // steps of that tick
  RunWorker worker_;                   // last member: its thread ends before the rest goes
};

} // namespace simulation
