#include "simulation/simulation_controller.h"

#include "simulation/engine_readings.h"
#include "simulation/start_up.h"

#include "scenario/engine_binding.h"
#include "scenario/engine_snapshot.h"
#include "scenario/mod_dorn_dll.h"

#include <algorithm>
#include <cmath>

namespace simulation {

namespace {

constexpr int kLargestStepsPerTick = 50;

double withinThermostatRange(double kelvin) {
  return std::clamp(kelvin, 0.0, analysis::largestHeldTemperature());
}

} // namespace

SimulationController::~SimulationController() {
  try {
    finishTick();
  } catch (...) {
    // The program is ending: an engine error of its last tick changes nothing.
  }
}

void SimulationController::startUp() {
  finishTick();
  writeStartUpValues();
  ModDornDll::initEngine();
  handStartUpValues();
  scenarioClampTarget_ = ModDornDll::temperature;
  boxControl_.reset(ModDornDll::boxDims);
  previousCoords_.clear();
  card_.reset();
  cardProblem_.clear();
}

void SimulationController::load(const std::string &path) {
  if (path.empty())
    return;
  finishTick();
  ModDornDll::loadScenarioFile(path);
  running_ = true;
  scenarioPath_ = path;
  auto found = ModDornDll::lookUpCard(path, ModDornDll::numTypes);
  card_ = std::move(found.card);
  cardProblem_ = std::move(found.problem);
  step_ = 0;
  ++scenarioStarts_;
  scenarioClampTarget_ = ModDornDll::temperature;
  ramp_.reset();
  records_.clear();
  latest_.reset();
  lastSample_ = 0;
  boxControl_.reset(ModDornDll::boxDims);
  previousCoords_.clear();
  if (holding_)
    applyClampTarget();
  else if (insulated_)
    temperatureHold_.insulate();
}

void SimulationController::fetchFirstFrame() {
  finishTick();
  Pavex::MD_return_coordinates(ModDornDll::atomCoords.data());
}

void SimulationController::releaseEngine() {
  try {
    finishTick();
    Pavex::MD_free_all();
  } catch (const Pavex::EngineError &) {
    // The engine never loaded, so it holds nothing to free.
  }
}

bool SimulationController::tick() {
  if (!startTick())
    return false;
  finishTick();
  return true;
}

bool SimulationController::startTick() {
  finishTick();
  if (!running_ || paused_)
    return false;
  inFlight_ = true;
  worker_.start([steps = stepsPerTick_] { Pavex::MD_do_run(steps); });
  return true;
}

void SimulationController::finishTick() {
  if (!inFlight_)
    return;
  inFlight_ = false;
  worker_.wait();
  afterRun();
}

bool SimulationController::stepOnce() {
  finishTick();
  if (!running_ || !paused_)
    return false;
  advance();
  return true;
}

void SimulationController::advance() {
  Pavex::MD_do_run(stepsPerTick_);
  afterRun();
}

// The rest of a tick once the engine has run: coordinates (the ones they
// replace kept while speeds are tracked), the ramp's thermostat, the lid and
// the measurement.
void SimulationController::afterRun() {
  if (trackingSpeeds_) {
    const auto values = std::ptrdiff_t(3) * ModDornDll::numAtoms;
    previousCoords_.assign(ModDornDll::atomCoords.begin(), ModDornDll::atomCoords.begin() + values);
    previousSteps_ = stepsPerTick_;
  }
  temperatureHold_.afterRun(stepsPerTick_);
  Pavex::MD_return_coordinates(ModDornDll::atomCoords.data());
  step_ += stepsPerTick_;
  boxControl_.afterRun(step_, stepsPerTick_, ModDornDll::atomCoords);
  advanceRamp();
  measure();
  if (ramp_ && ramp_->finishedAfter(step_ - rampStart_))
    ramp_.reset();
}

void SimulationController::advanceRamp() {
  if (!ramp_)
    return;
  heldKelvin_ = ramp_->valueAfter(step_ - rampStart_);
  applyClampTarget();
}

void SimulationController::measure() {
  const bool due = !latest_ || paused_ || step_ - lastSample_ >= kSampleSteps;
  if (!measuring_ || !running_ || !due)
    return;
  latest_ = readEngine(step_, thermostat(), boxControl_.pressure());
  lastSample_ = step_;
  records_.add(*latest_, ramp_.has_value());
}

// Only a held thermostat comes here: holding ends an insulation.
void SimulationController::applyClampTarget() {
  insulated_ = false;
  temperatureHold_.holdAt(heldKelvin_);
}

void SimulationController::ambientChanged(double kelvin) {
  finishTick();
  ambient_ = kelvin;
  if (follow_) {
    heldKelvin_ = withinThermostatRange(kelvin);
    applyClampTarget();
  }
  if (!holding_ && !insulated_)
    Pavex::MD_set_temperature(kelvin);
}

void SimulationController::setPaused(bool paused) {
  finishTick();
  paused_ = paused;
}

void SimulationController::setStepsPerTick(int steps) {
  if (steps >= 1 && steps <= kLargestStepsPerTick)
    stepsPerTick_ = steps;
}

void SimulationController::setHold(bool hold) {
  finishTick();
  if (hold == holding_)
    return;
  if (hold) {
    heldKelvin_ = withinThermostatRange(thermostat());
    holding_ = true;
    applyClampTarget();
    return;
  }
  holding_ = false;
  follow_ = false;
  ramp_.reset();
  temperatureHold_.release(scenarioClampTarget_);
}

double SimulationController::setThermostat(double kelvin) {
  finishTick();
  heldKelvin_ = withinThermostatRange(kelvin);
  holding_ = true;
  follow_ = false;
  ramp_.reset();
  applyClampTarget();
  return heldKelvin_;
}

void SimulationController::setFollowAmbient(bool follow) {
  finishTick();
  if (follow == follow_)
    return;
  follow_ = follow;
  if (!follow)
    return;
  holding_ = true;
  ramp_.reset();
  heldKelvin_ = withinThermostatRange(ambient_);
  applyClampTarget();
}

void SimulationController::setInsulated(bool insulated) {
  finishTick();
  if (insulated == insulated_)
    return;
  insulated_ = insulated;
  if (!insulated) {
    temperatureHold_.release(scenarioClampTarget_);
    return;
  }
  holding_ = false;
  follow_ = false;
  ramp_.reset();
  temperatureHold_.insulate();
}

void SimulationController::startRamp(double to, std::int64_t steps) {
  finishTick();
  heldKelvin_ = withinThermostatRange(thermostat());
  holding_ = true;
  follow_ = false;
  ramp_ = analysis::Ramp{heldKelvin_, withinThermostatRange(to), std::max<std::int64_t>(steps, 1)};
  rampStart_ = step_;
  records_.startHeatingCurve();
  applyClampTarget();
}

void SimulationController::stopRamp() { ramp_.reset(); }

void SimulationController::setMeasuring(bool measuring) {
  finishTick();
  measuring_ = measuring;
  if (measuring && !latest_)
    measure();
}

void SimulationController::setTrackingSpeeds(bool tracking) {
  trackingSpeeds_ = tracking;
  if (!tracking)
    previousCoords_.clear();
}

std::vector<double> SimulationController::atomSpeeds() const {
  const auto atoms = static_cast<std::size_t>(ModDornDll::numAtoms);
  std::vector<double> speeds;
  const double time = previousSteps_ * ModDornDll::timeStep;
  if (previousCoords_.size() != 3 * atoms || !(time > 0.0))
    return speeds;
  speeds.resize(atoms);
  for (std::size_t a = 0; a < atoms; ++a) {
    double squared = 0.0;
    for (std::size_t k = 3 * a; k < 3 * a + 3; ++k)
      squared += std::pow(ModDornDll::atomCoords[k] - previousCoords_[k], 2);
    speeds[a] = std::sqrt(squared) / time;
  }
  return speeds;
}

std::int32_t SimulationController::atoms() const { return ModDornDll::numAtoms; }

analysis::AtomFrame SimulationController::atomFrame() const {
  analysis::AtomFrame frame = programFrame();
  frame.box = box();
  frame.temperature = latest_ ? latest_->temperature : 0.0;
  return frame;
}

void SimulationController::setLidTarget(double fraction) {
  finishTick();
  boxControl_.setLidTarget(fraction);
}

void SimulationController::holdPressure(std::optional<double> modelPressure) {
  finishTick();
  boxControl_.holdPressure(modelPressure);
}

ModDornDll::ScenarioData SimulationController::snapshot() {
  finishTick();
  ModDornDll::ScenarioData data = ModDornDll::snapshotOfEngine();
  // A file's one temperature becomes the clamp target when it is loaded.
  data.temperature = holding_ ? analysis::clampTargetFor(heldKelvin_) : scenarioClampTarget_;
  data.box = box();
  return data;
}

double SimulationController::thermostat() const {
  return holding_ ? heldKelvin_ : analysis::heldTemperatureFor(scenarioClampTarget_);
}

} // namespace simulation
